// Times the similarity profile test on 50 samples (no replicate groups) over
// 225 species, Bray-Curtis and UPGMA, with 1000 permutations for each mean
// profile and 999 for each null distribution, once on one thread and once on
// every core.
//
// Usage: bench_simprof [PERMUTATIONS] [COMMUNITIES] [THREADS]
//   PERMUTATIONS  the Permutations setting (default 1000: 1000 + 999 per node)
//   COMMUNITIES   communities the 50 samples are drawn from (default 5)
//   THREADS       the thread count of the second timing (default 0: every core)
// Prints the wall time of each, the nodes tested, the groups found, and
// whether both gave the same results (they must).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/parallel_replicates.h"
#include "run/array_index.h"
#include "run/null_host.h"
#include "run/run_context.h"

#include "observed_survey.h"
#include "simprof/test_profiles.h"

namespace {

using tw::at;

constexpr std::int32_t kSamples = 50;
constexpr std::int16_t kSpecies = 225;

// Samples scatter around their community's mean abundances (Poisson counts).
void fill_data(tw::RunContext& ctx, std::int32_t communities) {
    std::mt19937 random(12345);
    std::gamma_distribution<float> community_mean(0.6f, 8.0f);
    tw::Matrix<float> means(communities, kSpecies);
    for (std::int32_t c = 1; c <= communities; ++c)
        for (std::int32_t j = 1; j <= kSpecies; ++j) means(c, j) = community_mean(random);
    for (std::int32_t i = 1; i <= kSamples; ++i) {
        const std::int32_t c = (i - 1) % communities + 1;
        for (std::int32_t j = 1; j <= kSpecies; ++j)
            ctx.DataMatrix(i, j) = static_cast<float>(
                std::poisson_distribution<int>(static_cast<double>(means(c, j)) + 0.01)(random));
    }
}

struct Timing {
    tw::Outcome outcome = tw::Outcome::Completed;
    double seconds = 0.0;
    double cpu_seconds = 0.0;
    std::vector<float> pi;
    std::vector<float> p;
    int tested = 0;
    std::string groups;
};

Timing time_test(const std::string& permutations, std::int32_t communities, unsigned threads) {
    tw::NullHost host;
    tw::RunContext ctx;
    tw::bench::observed_survey(ctx, host, {kSamples, 1, kSpecies},
                               [&](tw::RunContext& c) { fill_data(c, communities); });
    ctx.settings.test_method = tw::TestMethod::Simprof;
    ctx.settings.permutations_text = permutations;
    ctx.settings.random_seed = 777;
    ctx.settings.bootstrap_threads = threads;

    Timing t;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu_start = std::clock();
    t.outcome = tw::test_significance(ctx, host);
    t.cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const tw::LinkResult& r : ctx.Results.links) {
        t.pi.push_back(static_cast<float>(r.statistic.value_or(0.0)));
        t.p.push_back(static_cast<float>(r.p));
        if (tw::was_tested(r.verdict)) ++t.tested;
    }
    for (std::int32_t p = 1; p <= kSamples; ++p) t.groups += ctx.Label(p, 2) + " ";
    return t;
}

void print_timing(const char* label, unsigned threads, const Timing& t) {
    std::printf("  %-12s %2u thread(s): outcome %s, %.3f s (%.3f s CPU), %d nodes tested\n", label,
                threads, t.outcome == tw::Outcome::Completed ? "completed" : "NOT completed",
                t.seconds, t.cpu_seconds, t.tested);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string permutations = argc > 1 ? argv[1] : "1000";
    const std::int32_t communities = argc > 2 ? std::atoi(argv[2]) : 5;
    tw::RunSettings all_cores;
    all_cores.bootstrap_threads = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 0;
    const unsigned threads = tw::bootstrap_thread_count(all_cores);

    std::printf(
        "similarity profile test: %d samples, %d species, %d communities, %s permutations\n",
        kSamples, kSpecies, communities, permutations.c_str());
    const Timing one = time_test(permutations, communities, 1);
    print_timing("one thread", 1, one);
    const Timing many = time_test(permutations, communities, threads);
    print_timing("all threads", threads, many);
    const bool same = one.pi == many.pi && one.p == many.p && one.groups == many.groups;
    std::printf("  groups: %s\n  speed-up %.2fx on %u threads; results %s\n", one.groups.c_str(),
                many.seconds > 0.0 ? one.seconds / many.seconds : 0.0, threads,
                same ? "identical" : "DIFFER");
    const bool ok =
        one.outcome == tw::Outcome::Completed && many.outcome == tw::Outcome::Completed && same;
    return ok ? 0 : 1;
}
