// Every resemblance measure on objects holding NaN, infinities or values
// whose squares and sums overflow single precision: the stage ends normally,
// and an awkward object spoils only its own pairs.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "reliability_fixture.h"
#include "resemblance/measure.h"
#include "resemblance/resemblance.h"

namespace tw {
namespace {

using test::kInf;
using test::kNaN;

Matrix<float> objects(const std::vector<std::vector<float>>& rows) {
    Matrix<float> x(static_cast<std::int32_t>(rows.size()),
                    static_cast<std::int32_t>(rows.front().size()));
    for (std::size_t j = 0; j < rows.size(); ++j)
        for (std::size_t i = 0; i < rows[j].size(); ++i)
            x(static_cast<std::int32_t>(j + 1), static_cast<std::int32_t>(i + 1)) = rows[j][i];
    return x;
}

Workspace resemblance_of(const Matrix<float>& x, std::int16_t measure, RunMode run_mode,
                         RoutineExit& exit) {
    test::PressOnHost host;
    RunContext ctx;
    ctx.MeasureIndex = Measure{measure};
    ctx.NumVars = static_cast<std::int16_t>(x.last_col());
    Workspace w;
    MeasureArrays arrays;
    exit = compute_resemblance(ctx, host, w, arrays, x, x.last_row(), run_mode);
    return w;
}

const std::vector<std::vector<float>> kGood = {
    {12, 3, 0, 5}, {10, 0, 1, 7}, {0, 8, 9, 1}, {4, 4, 4, 0}};

const struct {
    const char* what;
    std::vector<float> row;
} kAwkward[] = {
    {"NaN", {kNaN, 2, 1, 0}},
    {"+Inf", {kInf, 2, 1, 0}},
    {"-Inf", {1, -kInf, 0, 3}},
    {"+Inf and -Inf", {kInf, -kInf, 1, 1}},
    {"squares overflow", {1e20f, 0, 3e19f, 1}},
    {"sums overflow", {3e38f, 3e38f, 3e38f, 3e38f}},
    {"all NaN", {kNaN, kNaN, kNaN, kNaN}},
};

TEST(NonFiniteMeasures, AnAwkwardObjectSpoilsOnlyItsOwnPairs) {
    for (std::int16_t measure = 1; measure <= 8; ++measure) {
        for (RunMode mode : {RunMode::Observed, RunMode::Replicate}) {
            RoutineExit exit{};
            const Workspace clean = resemblance_of(objects(kGood), measure, mode, exit);
            ASSERT_EQ(exit, RoutineExit::Normal);
            for (const auto& a : kAwkward) {
                SCOPED_TRACE(std::string(a.what) + ", measure " + std::to_string(measure) +
                             ", run mode " + std::to_string(static_cast<int>(mode)));
                // The awkward object stands second, between good ones.
                auto rows = kGood;
                rows.insert(rows.begin() + 1, a.row);
                const Workspace w = resemblance_of(objects(rows), measure, mode, exit);
                ASSERT_EQ(exit, RoutineExit::Normal);
                const auto old_index = [](int j) { return j == 1 ? 1 : j - 1; };
                for (int j = 1; j <= 5; ++j) {
                    for (int k = j + 1; k <= 5; ++k) {
                        if (j == 2 || k == 2) continue;
                        EXPECT_EQ(w.SimMatrix(j, k), clean.SimMatrix(old_index(j), old_index(k)))
                            << j << "," << k;
                    }
                }
            }
        }
    }
}

TEST(NonFiniteMeasures, TwoAwkwardObjectsStillGiveEveryPairAValue) {
    // Two Inf objects meet as Inf - Inf, Inf / Inf and the like.
    for (std::int16_t measure = 1; measure <= 8; ++measure) {
        RoutineExit exit{};
        const Workspace w = resemblance_of(
            objects(
                {{kInf, 1, 1}, {kInf, 1, 1}, {kNaN, 0, 2}, {3e38f, 3e38f, 1}, {3e38f, 3e38f, 1}}),
            measure, RunMode::Replicate, exit);
        EXPECT_EQ(exit, RoutineExit::Normal) << measure;
        EXPECT_EQ(w.SimMatrix.last_row(), 5);
    }
}

}  // namespace
}  // namespace tw
