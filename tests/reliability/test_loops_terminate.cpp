// Loops whose end depends on the data: the log-series fit of the
// heterogeneity ratio, the redrawing of bootstrap replicates that meet two
// empty objects, and the clustering of resemblances that are all NaN.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "cluster/routine.h"
#include "reliability_fixture.h"
#include "resemblance/log_series.h"
#include "resemblance/measure.h"
#include "resemblance/resemblance.h"

namespace tw {
namespace {

using test::kInf;
using test::kNaN;

TEST(LoopsTerminate, TheLogSeriesFitEndsForAnyTotalsAndSpeciesCounts) {
    std::vector<std::pair<float, float>> cases = {
        {kNaN, 5},        {kInf, 5},   {5, kInf}, {3e38f, 1}, {3e38f, 32767},
        {1e-30f, 1e-31f}, {1e-45f, 0}, {2, 1},    {0, 0},     {-4, -5},
    };
    // Just more individuals than species, the hardest fits, for every size
    // of community the program can hold.
    for (float s : {1.0f, 2.0f, 10.0f, 100.0f, 1000.0f, 10000.0f, 32767.0f}) {
        cases.emplace_back(s + 1.0f, s);  // the poor-fit adjustment
        for (float excess : {1e-2f, 1e-4f, 1e-6f}) cases.emplace_back(s * (1.0f + excess), s);
    }
    for (const auto& [individuals, species] : cases) {
        test::ScriptedHost host;
        const float alpha = log_series_alpha(individuals, species, host);
        EXPECT_LE(host.yields, kMaxAlphaSteps) << individuals << " individuals, " << species;
        if (std::isfinite(individuals) && individuals > species && species >= 1 &&
            individuals < 1e30f) {
            EXPECT_TRUE(std::isfinite(alpha) && alpha > 0)
                << individuals << " individuals, " << species << " species: " << alpha;
        }
    }
}

TEST(LoopsTerminate, EveryPoorFitOfALargeRunIsAdjustedWithoutAnotherQuestion) {
    // 60 objects, each present species of abundance 1: every pair fits poorly.
    const std::int32_t n = 60;
    const std::int16_t species = 200;
    Matrix<float> x(n, species);
    for (std::int32_t j = 1; j <= n; ++j)
        for (std::int32_t i = 1; i <= species; ++i) x(j, i) = (i + j) % 3 == 0 ? 0.0f : 1.0f;
    test::PressOnHost host;
    RunContext ctx;
    ctx.MeasureIndex = Measure{4};
    ctx.NumVars = species;
    Workspace w;
    MeasureArrays arrays;
    ASSERT_EQ(compute_resemblance(ctx, host, w, arrays, x, n, RunMode::Observed),
              RoutineExit::Normal);
    EXPECT_EQ(host.questions.size(), 1u);
    for (std::int32_t j = 1; j < n; ++j)
        for (std::int32_t k = j + 1; k <= n; ++k) ASSERT_TRUE(std::isfinite(w.SimMatrix(j, k)));
}

TEST(LoopsTerminate, ClusteringResemblancesThatAreAllNaNMakesEveryLinkage) {
    const std::int32_t n = 6;
    Matrix<float> x(n, 3);
    for (std::int32_t j = 1; j <= n; ++j)
        for (std::int32_t i = 1; i <= 3; ++i) x(j, i) = kNaN;
    for (std::int16_t measure : {1, 2, 3, 4}) {
        for (int method = 1; method <= 7; ++method) {
            test::PressOnHost host;
            RunContext ctx;
            ctx.MeasureIndex = Measure{measure};
            ctx.NumVars = 3;
            ctx.LinkageIndex = static_cast<std::int16_t>(method);
            Workspace w;
            MeasureArrays arrays;
            MemberLists members;
            std::vector<std::int32_t> sizes(n, 0);
            std::vector<float> levels(n, 0.0f);
            const std::vector<std::string> labels(n + 1, "S");
            ASSERT_EQ(resemble_and_cluster(ctx, host, w, arrays, x, n, RunMode::Replicate,
                                           LinkArrays{members, sizes, levels}, labels),
                      RoutineExit::Normal)
                << measure << "/" << method;
            for (std::int32_t l = 1; l < n; ++l) {
                const auto at = static_cast<std::size_t>(l);
                EXPECT_TRUE(1 <= w.LinkI[at] && w.LinkI[at] < w.LinkJ[at] && w.LinkJ[at] <= n)
                    << measure << "/" << method << " linkage " << l;
            }
            EXPECT_EQ(sizes[static_cast<std::size_t>(n - 1)], n) << measure << "/" << method;
        }
    }
}

TEST(LoopsTerminate, ALinkageOfEmptyStationsIsGivenUpAfterTheRedrawLimit) {
    // Three empty stations join first under Bray-Curtis (similarity 1); every
    // replicate of their pool meets two empty objects and is drawn again.
    const std::string file =
        "\"Empty stations\"\r\n5 2\r\n\"S\",\"a\",\"b\"\r\n\"E1\" 0 0\r\n\"E2\" 0 0\r\n"
        "\"E3\" 0 0\r\n\"A\" 5 1\r\n\"B\" 1 6\r\n0\r\n";
    test::WholeRun run(file, Measure::BrayCurtis);
    ASSERT_EQ(run.observed(), Outcome::Completed);
    ASSERT_EQ(run.bootstrap(), Outcome::Completed);
    EXPECT_NE(run.host.message_area.history.find("no test will be performed on link: "),
              std::string::npos);
    EXPECT_EQ(run.ctx.ResampleRetries, 0);
}

}  // namespace
}  // namespace tw
