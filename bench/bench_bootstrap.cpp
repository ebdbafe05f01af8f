// Times the whole bootstrap test: 50 replicate groups of 4 stations over 225
// species (or SPECIES), every linkage tested with 1000 replicates (Bray-Curtis, UPGMA),
// once with the replicates on one thread and once on every core.
//
// Usage: bench_bootstrap [REPLICATES] [SAME] [THREADS] [SPECIES]
//   REPLICATES  replicates per linkage (default 1000)
//   SAME        1 draws every group from one community, so that nothing is
//               significant and every linkage runs its replicates (default 0:
//               each group has a community of its own, as in real data)
//   THREADS     the thread count of the second timing (default 0: every core)
//   SPECIES     species in the data set (default 225)
// Prints the wall time of each, the replicates run, the verdict counts, the
// speed-up, and whether both gave the same counts (they must).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/parallel_replicates.h"
#include "bootstrap/test_linkages.h"
#include "run/array_index.h"
#include "run/null_host.h"
#include "run/run_context.h"

#include "observed_survey.h"

namespace {

using tw::at;

constexpr std::int32_t kGroups = 50;
constexpr std::int32_t kStationsPerGroup = 4;
constexpr std::int16_t kDefaultSpecies = 225;

// Stations of a group scatter around their community's mean abundances
// (Poisson counts), so replicates differ as field samples do.
void fill_data(tw::RunContext& ctx, bool same_community) {
    std::mt19937 random(12345);
    std::gamma_distribution<float> community_mean(0.6f, 8.0f);
    const std::int16_t species = ctx.NumCols;
    tw::Matrix<float> means(kGroups, species);
    for (std::int32_t g = 1; g <= kGroups; ++g)
        for (std::int32_t j = 1; j <= species; ++j)
            means(g, j) = same_community && g > 1 ? means(1, j) : community_mean(random);
    for (std::int32_t i = 1; i <= ctx.NumRows; ++i) {
        const std::int32_t g = (i - 1) / kStationsPerGroup + 1;
        for (std::int32_t j = 1; j <= species; ++j)
            ctx.DataMatrix(i, j) = static_cast<float>(
                std::poisson_distribution<int>(static_cast<double>(means(g, j)) + 0.01)(random));
    }
}

struct Timing {
    tw::Outcome outcome = tw::Outcome::Completed;
    double seconds = 0.0;
    double cpu_seconds = 0.0;  // all threads together
    std::vector<float> link_stat;
    std::map<std::string, int> verdicts;
    long long drawn = 0;
};

Timing time_test(std::int32_t replicates, bool same_community, unsigned threads,
                 std::int16_t species) {
    tw::NullHost host;
    tw::RunContext ctx;
    tw::bench::observed_survey(ctx, host, {kGroups, kStationsPerGroup, species},
                               [&](tw::RunContext& c) { fill_data(c, same_community); });
    ctx.NumBoot = replicates;
    ctx.settings.random_seed = 777;
    ctx.settings.bootstrap_threads = threads;

    Timing t;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu_start = std::clock();
    t.outcome = tw::test_linkages(ctx, host);
    t.cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.link_stat = ctx.LinkStat;
    for (std::int32_t l = 1; l < kGroups; ++l) {
        ++t.verdicts[ctx.SIG[at(l)]];
        if (ctx.LinkStat[at(l)] >= 0.0f) t.drawn += replicates;
    }
    return t;
}

void print_timing(const char* label, unsigned threads, const Timing& t) {
    std::printf(
        "  %-12s %2u thread(s): outcome %s, %.3f s (%.3f s CPU), %lld replicates, %.1f us per "
        "replicate\n",
        label, threads, t.outcome == tw::Outcome::Completed ? "completed" : "NOT completed",
        t.seconds, t.cpu_seconds, t.drawn,
        t.drawn > 0 ? t.seconds * 1e6 / static_cast<double>(t.drawn) : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::int32_t replicates = argc > 1 ? std::atoi(argv[1]) : 1000;
    const bool same_community = argc > 2 && std::atoi(argv[2]) == 1;
    tw::RunSettings all_cores;
    all_cores.bootstrap_threads = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0;
    const unsigned threads = tw::bootstrap_thread_count(all_cores);
    const auto species = static_cast<std::int16_t>(argc > 4 ? std::atoi(argv[4]) : kDefaultSpecies);

    std::printf(
        "bootstrap test: %d groups x %d stations, %d species, %d replicates per linkage%s\n",
        kGroups, kStationsPerGroup, species, replicates, same_community ? " (one community)" : "");
    const Timing one = time_test(replicates, same_community, 1, species);
    print_timing("one thread", 1, one);
    const Timing many = time_test(replicates, same_community, threads, species);
    print_timing("all threads", threads, many);

    std::printf("  verdicts:");
    for (const auto& [sig, n] : one.verdicts) std::printf(" %s=%d", sig.c_str(), n);
    std::printf("\n  speed-up %.2fx on %u threads; counts %s\n",
                many.seconds > 0.0 ? one.seconds / many.seconds : 0.0, threads,
                one.link_stat == many.link_stat ? "identical" : "DIFFER");
    const bool ok = one.outcome == tw::Outcome::Completed &&
                    many.outcome == tw::Outcome::Completed && one.link_stat == many.link_stat;
    return ok ? 0 : 1;
}
