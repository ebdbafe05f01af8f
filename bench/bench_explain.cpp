// Times the cluster explanation on 2,000 stations over 200 species in 12
// clusters: similarity percentages within and between every cluster, and
// indicator values with 999 permutations, once on one thread and once on
// every core.
//
// Usage: bench_explain [STATIONS] [SPECIES] [CLUSTERS] [PERMUTATIONS] [THREADS]
// Prints the wall time of each part and whether the two thread counts gave
// the same numbers (they must).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "explain/cluster_stations.h"
#include "explain/indicator_values.h"
#include "explain/simper.h"
#include "run/array_index.h"

namespace {

using tw::at;

int argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::atoi(argv[index]) : fallback;
}

// Stations scatter around their cluster's mean abundances (Poisson counts),
// the clusters of unequal sizes as a real survey's are.
tw::ClusterStations survey(std::int32_t stations, std::int32_t species, std::int32_t clusters) {
    std::mt19937 random(2024);
    std::gamma_distribution<double> mean_of(0.5, 8.0);
    std::vector<std::vector<double>> means(at(clusters));
    for (auto& m : means)
        for (std::int32_t k = 0; k < species; ++k) m.push_back(mean_of(random));
    tw::ClusterStations cs;
    cs.stations = stations;
    cs.species = species;
    for (std::int32_t c = 0; c < clusters; ++c)
        cs.clusters.push_back(std::string(1, char('A' + c)));
    for (std::int32_t i = 0; i < stations; ++i) {
        const auto c = static_cast<std::int32_t>(i * i / stations * clusters / stations);
        cs.cluster.push_back(c);
        for (std::int32_t k = 0; k < species; ++k)
            cs.values.push_back(std::poisson_distribution<int>(means[at(c)][at(k)] + 0.01)(random));
    }
    return cs;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Timed {
    std::vector<tw::SimperTable> simper;
    std::vector<tw::IndicatorSpecies> indicators;
    double simper_seconds = 0;
    double indicator_seconds = 0;
};

Timed run(const tw::ClusterStations& cs, std::int32_t permutations, unsigned threads) {
    Timed t;
    auto start = std::chrono::steady_clock::now();
    t.simper = tw::similarity_percentages(cs, threads);
    t.simper_seconds = seconds_since(start);
    start = std::chrono::steady_clock::now();
    t.indicators = tw::indicator_values(cs, {permutations, 20240611, threads});
    t.indicator_seconds = seconds_since(start);
    return t;
}

bool same(const Timed& a, const Timed& b) {
    for (std::size_t t = 0; t < a.simper.size(); ++t)
        for (std::size_t r = 0; r < a.simper[t].species.size(); ++r)
            if (a.simper[t].species[r].average != b.simper[t].species[r].average) return false;
    for (std::size_t k = 0; k < a.indicators.size(); ++k)
        if (a.indicators[k].p != b.indicators[k].p) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int stations = argument(argc, argv, 1, 2000);
    const int species = argument(argc, argv, 2, 200);
    const int clusters = argument(argc, argv, 3, 12);
    const int permutations = argument(argc, argv, 4, 999);
    unsigned threads = static_cast<unsigned>(argument(argc, argv, 5, 0));
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());

    const tw::ClusterStations cs = survey(stations, species, clusters);
    const Timed one = run(cs, permutations, 1);
    const Timed many = run(cs, permutations, threads);
    std::printf("%d stations x %d species in %d clusters, %d permutations\n", stations, species,
                clusters, permutations);
    std::printf("1 thread:   similarity percentages %.2f s, indicator values %.2f s\n",
                one.simper_seconds, one.indicator_seconds);
    std::printf("%u threads: similarity percentages %.2f s, indicator values %.2f s\n", threads,
                many.simper_seconds, many.indicator_seconds);
    std::printf("same numbers on both: %s\n", same(one, many) ? "yes" : "NO");
    return same(one, many) ? 0 : 1;
}
