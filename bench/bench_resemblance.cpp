// Times the resemblance stage alone for every measure on random abundance
// tables of 500 and 2000 objects over 50 species, in the observed run (with
// its progress notes, printed to a host that discards them) and in a
// bootstrap replicate (silent). Reports the time per pair of objects.
//
// Usage: bench_resemblance [REPEATS]   (best of REPEATS, default 3)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "resemblance/measure.h"
#include "resemblance/resemblance.h"
#include "run/null_host.h"
#include "run/run_context.h"

namespace {

constexpr std::int16_t kSpecies = 50;
const char* const kMeasures[] = {"",        "Euclidean",       "Bray-Curtis", "Correlation", "H/R",
                                 "Jaccard", "Simple matching", "Dice",        "Fager"};

// Counts with about a third of the cells empty; every object holds at least
// one individual of the first species, so Bray-Curtis never meets an empty pair.
tw::Matrix<float> random_table(std::int32_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> count(1, 200);
    std::bernoulli_distribution empty(0.35);
    tw::Matrix<float> x(n, kSpecies);
    for (std::int32_t j = 1; j <= n; ++j) {
        for (std::int16_t i = 1; i <= kSpecies; ++i)
            x(j, i) = empty(gen) ? 0.0f : static_cast<float>(count(gen));
        x(j, 1) = std::max(x(j, 1), 1.0f);
    }
    return x;
}

double best_seconds(tw::RunContext& ctx, const tw::Matrix<float>& x, tw::RunMode run_mode,
                    int repeats) {
    tw::NullHost host;
    tw::Workspace w;
    tw::MeasureArrays arrays;  // reused, as a bootstrap replicate reuses them
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const tw::RoutineExit exit =
            tw::compute_resemblance(ctx, host, w, arrays, x, x.last_row(), run_mode);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (exit != tw::RoutineExit::Normal) {
            std::fprintf(stderr, "measure %d did not end normally\n",
                         static_cast<int>(ctx.MeasureIndex));
            std::exit(1);
        }
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::printf("%-16s %6s %12s %14s %14s\n", "measure", "n", "pairs", "observed ns/pair",
                "replicate ns/pair");
    for (std::int32_t n : {500, 2000}) {
        const tw::Matrix<float> x = random_table(n, 20240611u + static_cast<unsigned>(n));
        const double pairs = 0.5 * n * (n - 1.0);
        for (std::int16_t m = 1; m <= 8; ++m) {
            tw::RunContext ctx;
            ctx.MeasureIndex = tw::Measure{m};
            ctx.NumVars = kSpecies;
            const double observed = best_seconds(ctx, x, tw::RunMode::Observed, repeats);
            const double replicate = best_seconds(ctx, x, tw::RunMode::Replicate, repeats);
            std::printf("%-16s %6d %12.0f %14.1f %14.1f\n", kMeasures[m], n, pairs,
                        observed / pairs * 1e9, replicate / pairs * 1e9);
        }
    }
    return 0;
}
