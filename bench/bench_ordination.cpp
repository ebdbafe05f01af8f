// Times the ordination (non-metric scaling, 20 starts) of N samples of a
// simulated community gradient, Bray-Curtis, on one thread and on every
// core.
//
// Usage: bench_ordination [OBJECTS] [STARTS] [THREADS] [TABLE]
//   OBJECTS  samples (default 500)
//   STARTS   starts (default 20)
//   THREADS  threads of the second timing (default 0: every core)
//   TABLE    when given, the simulated table is also written there as CSV
//            (samples as rows), for timing R's vegan on the same data
//            (bench/compare_vegan.py does both side by side).
// The environment variables TOL and MAXIT override the stopping tolerance
// and the iteration limit of every start.
// Prints the wall and processor time of each (on a busy machine the
// processor time is the steadier), the stress, the starts that reached the
// best solution, and whether both timings gave the same solution (they
// must).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ordination/nmds.h"

namespace {

constexpr int kSpecies = 60;

using Table = std::vector<std::vector<double>>;

// Species with Gaussian responses along two gradients, Poisson counts.
Table simulate(int samples) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> place(0, 10);
    std::vector<double> opt1(kSpecies), opt2(kSpecies);
    for (int s = 0; s < kSpecies; ++s) opt1[s] = place(random), opt2[s] = place(random);
    Table t(samples, std::vector<double>(kSpecies));
    for (int i = 0; i < samples; ++i) {
        const double g1 = place(random), g2 = place(random);
        for (int s = 0; s < kSpecies; ++s) {
            const double d2 = (g1 - opt1[s]) * (g1 - opt1[s]) + (g2 - opt2[s]) * (g2 - opt2[s]);
            t[i][s] = std::poisson_distribution<int>(20 * std::exp(-d2 / 8) + 1e-9)(random);
        }
    }
    return t;
}

tw::PairDissimilarities bray_curtis(const Table& t) {
    std::vector<double> d;
    for (std::size_t i = 0; i < t.size(); ++i)
        for (std::size_t j = i + 1; j < t.size(); ++j) {
            double shared = 0, total = 0;
            for (int s = 0; s < kSpecies; ++s) {
                shared += std::min(t[i][s], t[j][s]);
                total += t[i][s] + t[j][s];
            }
            d.push_back(total > 0 ? 1 - 2 * shared / total : 0);
        }
    return tw::dissimilarities_from(static_cast<std::int32_t>(t.size()), std::move(d), true);
}

void write_table(const Table& t, const char* path) {
    std::ofstream out(path);
    for (const auto& row : t) {
        for (int s = 0; s < kSpecies; ++s) out << (s ? "," : "") << row[s];
        out << "\n";
    }
}

tw::Ordination timed(const tw::PairDissimilarities& d, tw::NmdsSettings s, const char* what) {
    const auto t0 = std::chrono::steady_clock::now();
    const std::clock_t c0 = std::clock();
    tw::Ordination o = tw::nmds(d, s);
    const double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    double iterations = 0;
    for (const tw::StartResult& r : o.starts) iterations += r.iterations;
    std::printf(
        "%-14s %7.2f s (CPU %7.2f s)  stress %.5f  best start %d, repeated %d of %zu, %.0f "
        "iterations a start\n",
        what, secs, cpu, o.stress, o.best_start, o.repeated, o.starts.size(),
        iterations / o.starts.size());
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const int objects = argc > 1 ? std::atoi(argv[1]) : 500;
    tw::NmdsSettings s;
    s.starts = argc > 2 ? std::atoi(argv[2]) : 20;
    if (const char* tol = std::getenv("TOL")) s.tolerance = std::atof(tol);
    if (const char* it = std::getenv("MAXIT")) s.max_iterations = std::atoi(it);
    const unsigned threads = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0;
    const Table t = simulate(objects);
    if (argc > 4) write_table(t, argv[4]);
    const tw::PairDissimilarities d = bray_curtis(t);
    std::printf("%d samples, %d species, Bray-Curtis, %d starts\n", objects, kSpecies, s.starts);
    s.threads = 1;
    const tw::Ordination one = timed(d, s, "one thread");
    s.threads = threads;
    const tw::Ordination all = timed(d, s, "every core");
    std::printf("same solution: %s\n", one.points.x == all.points.x ? "yes" : "NO");
    return one.points.x == all.points.x ? 0 : 1;
}
