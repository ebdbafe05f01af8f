#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "resemblance/log_series.h"
#include "resemblance_fixture.h"
#include "run/outcome.h"

namespace tw {
namespace {

using test::ResemblanceRun;

TEST(Euclidean, GivesTheStraightLineDistance) {
    ResemblanceRun r;
    EXPECT_EQ(r.run(1, {{0, 3}, {4, 0}, {0, 3}}), RoutineExit::Normal);
    EXPECT_FLOAT_EQ(r.at(1, 2), 5.0f);
    EXPECT_FLOAT_EQ(r.at(1, 3), 0.0f);
    EXPECT_FLOAT_EQ(r.at(2, 3), 5.0f);
    EXPECT_EQ(r.w.DistanceFlag, Resemblance::Distance);
    EXPECT_EQ(r.w.MeasureName, "Euclidean Dist.");
}

TEST(Euclidean, RunsForIndicesOutsideTheEightMeasures) {
    for (std::int16_t index : {0, 9, -1, 100}) {
        ResemblanceRun r;
        r.run(index, {{0, 3}, {4, 0}});
        EXPECT_FLOAT_EQ(r.at(1, 2), 5.0f) << index;
        EXPECT_EQ(r.w.MeasureName, "Euclidean Dist.") << index;
        EXPECT_EQ(r.w.DistanceFlag, Resemblance::Distance) << index;
    }
}

TEST(Frame, OnlyTheUpperTriangleIsWrittenAndOldValuesAreGone) {
    ResemblanceRun r;
    r.run(1, {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    r.run(1, {{0, 3}, {4, 0}, {4, 0}});  // a second, smaller call
    ASSERT_EQ(r.w.SimMatrix.last_row(), 3);
    for (int j = 0; j <= 3; ++j)
        for (int k = 0; k <= j; ++k) EXPECT_EQ(r.at(j, k), 0.0f) << j << "," << k;
    EXPECT_FLOAT_EQ(r.at(1, 3), 5.0f);
}

TEST(Frame, ASingleObjectHasNoPairs) {
    for (std::int16_t m = 1; m <= 8; ++m) {
        ResemblanceRun r;
        EXPECT_EQ(r.run(m, {{0, 0}}), RoutineExit::Normal) << m;
        EXPECT_EQ(r.w.SimMatrix.last_row(), 1);
        EXPECT_EQ(r.at(0, 1) + r.at(1, 1) + r.at(1, 0), 0.0f);
        EXPECT_TRUE(r.host.questions.empty());
    }
}

TEST(Frame, AMatrixSmallerThanTheObjectCountIsRefused) {
    ResemblanceRun r;
    const Matrix<float> x = test::objects({{1, 2}, {3, 4}});
    r.ctx.NumVars = 2;
    EXPECT_THROW(compute_resemblance(r.ctx, r.host, r.w, r.arrays, x, 3, RunMode::Observed),
                 RunError);
    r.ctx.NumVars = 3;
    EXPECT_THROW(compute_resemblance(r.ctx, r.host, r.w, r.arrays, x, 2, RunMode::Observed),
                 RunError);
}

TEST(BrayCurtis, IsTwiceTheSharedOverTheTotal) {
    ResemblanceRun r;
    r.run(2, {{1, 3}, {3, 1}, {1, 3}, {0, 0}});
    EXPECT_FLOAT_EQ(r.at(1, 2), 0.5f);
    EXPECT_FLOAT_EQ(r.at(1, 3), 1.0f);  // identical objects
    EXPECT_FLOAT_EQ(r.at(1, 4), 0.0f);  // one object empty: nothing shared, no message
    EXPECT_EQ(r.messages().find("All abundances"), std::string::npos);
    EXPECT_EQ(r.w.DistanceFlag, Resemblance::Similarity);
    EXPECT_EQ(r.w.MeasureName, "Bray-Curtis");
}

TEST(BrayCurtis, ANegativePairThatSumsToZeroStoresNoSimilarity) {
    ResemblanceRun r;
    EXPECT_EQ(r.run(2, {{-1, 1}, {1, -1}}, RunMode::Replicate), RoutineExit::Normal);
    EXPECT_EQ(r.at(1, 2), 0.0f);
}

TEST(Correlation, StoresRSoThatPositiveCorrelationIsClosest) {
    ResemblanceRun r;
    r.run(3, {{1, 2, 3}, {2, 4, 6}, {3, 2, 1}, {5, 5, 5}});
    EXPECT_FLOAT_EQ(r.at(1, 2), 1.0f);
    EXPECT_FLOAT_EQ(r.at(1, 3), -1.0f);
    EXPECT_EQ(r.at(1, 4), 0.0f);  // constant profile: zero denominator
    EXPECT_EQ(r.at(3, 4), 0.0f);
    EXPECT_EQ(r.w.DistanceFlag, Resemblance::Similarity);  // largest value (r = 1) joins first
    EXPECT_EQ(r.w.MeasureName, "Correlation coeff.");
    EXPECT_FLOAT_EQ(r.arrays.correlation.StationMean[2], 4.0f);
    EXPECT_FLOAT_EQ(r.arrays.correlation.StationDev(3, 1), 1.0f);
}

TEST(Correlation, UncorrelatedAndSingleSpeciesProfilesGiveZero) {
    ResemblanceRun r;
    r.run(3, {{1, 0, 1, 0}, {1, 1, 0, 0}});
    EXPECT_EQ(r.at(1, 2), 0.0f);
    ResemblanceRun one;
    one.run(3, {{1}, {7}, {3}});
    EXPECT_EQ(one.at(1, 2), 0.0f);
    EXPECT_EQ(one.at(2, 3), 0.0f);
}

// N = 100 and S = 10 for both objects: alpha is the fixed point of
// alpha = 10 / ln(1 + 100 / alpha), E = alpha ln(1 + 200 / alpha) = 11.88.
TEST(HeterogeneityRatio, IsObservedOverExpectedSpeciesOfThePooledPair) {
    std::vector<float> first(20, 0.0f), second(20, 0.0f);
    for (int i = 0; i < 10; ++i) first[static_cast<std::size_t>(i)] = 10.0f;
    for (int i = 10; i < 20; ++i) second[static_cast<std::size_t>(i)] = 10.0f;
    ResemblanceRun r;
    EXPECT_EQ(r.run(4, {first, first, second}), RoutineExit::Normal);
    EXPECT_NEAR(r.at(1, 2), 10.0f / 11.88f, 0.002);  // identical: about 0.84
    EXPECT_NEAR(r.at(1, 3), 20.0f / 11.88f, 0.004);  // disjoint: about 1.68
    EXPECT_FLOAT_EQ(r.at(1, 3), 2.0f * r.at(1, 2));
    EXPECT_EQ(r.w.DistanceFlag, Resemblance::Distance);
    EXPECT_EQ(r.w.MeasureName, "H/R");
    EXPECT_FLOAT_EQ(r.arrays.heterogeneity_ratio.StationTotal[4], 300.0f);
    EXPECT_EQ(r.arrays.heterogeneity_ratio.SpeciesCount[2], 10);
    EXPECT_EQ(r.arrays.heterogeneity_ratio.SpeciesCount[4], 20);
}

TEST(LogSeries, ConvergesToTheFixedPointFromTheClosedFormStart) {
    test::ScriptedHost host;
    const float alpha = log_series_alpha(100.0f, 10.0f, host);
    EXPECT_NEAR(alpha, 2.766, 0.001);
    EXPECT_NEAR(alpha * std::log(1.0 + 100.0 / alpha), 10.0, 1e-4);
    EXPECT_LT(host.yields, 20);  // the start is already close
    EXPECT_NEAR(log_series_species(alpha, 200.0f), 11.88, 0.01);
}

TEST(LogSeries, LargeEstimatesStopEvenWhenTheToleranceIsOutOfReach) {
    const float cases[][2] = {{1001.0f, 1000.0f}, {11.0f, 10.0f}, {30001.0f, 30000.0f}};
    for (const auto& c : cases) {
        test::ScriptedHost host;
        const float alpha = log_series_alpha(c[0], c[1], host);
        EXPECT_LE(host.yields, kMaxAlphaSteps);
        ASSERT_TRUE(std::isfinite(alpha)) << c[1];
        const double species = alpha * std::log(1.0 + c[0] / static_cast<double>(alpha));
        EXPECT_NEAR(species, c[1], c[1] * 1e-3) << c[1];
    }
}

TEST(LogSeries, TotalsThatAreNotNumbersStopTheEstimateAtOnce) {
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    const float cases[][2] = {
        {nan, 10.0f}, {inf, 10.0f}, {100.0f, nan}, {1.0f, 0.0f}, {5.0f, -2.0f}};
    for (const auto& c : cases) {
        test::ScriptedHost host;
        log_series_alpha(c[0], c[1], host);
        EXPECT_LE(host.yields, 2) << c[0] << " individuals, " << c[1] << " species";
    }
}

}  // namespace
}  // namespace tw
