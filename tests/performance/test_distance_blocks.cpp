// The resemblance stage works on blocks of partners at once and reuses its
// matrices from one replicate to the next. Neither may change a single bit:
// every Euclidean distance and Bray-Curtis coefficient equals the one from
// the one-pair sums in species order, and a reused workspace gives what a
// fresh one gives.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "resemblance/bray_curtis.h"
#include "resemblance/euclidean.h"
#include "resemblance/measure.h"
#include "resemblance/resemblance.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

// Values from tiny to huge, both signs, and counts with many repeats: sums
// that overflow, cancel or depend on their order all occur.
Matrix<float> random_objects(std::int32_t n, std::int16_t species, std::mt19937& rng) {
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_int_distribution<int> count(0, 5);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-20, 20);
    Matrix<float> x(n, species);
    for (std::int32_t j = 1; j <= n; ++j)
        for (std::int32_t s = 1; s <= species; ++s)
            x(j, s) = kind(rng) < 3 ? static_cast<float>(count(rng))
                                    : std::ldexp(mantissa(rng), exponent(rng));
    return x;
}

std::uint32_t bits(float v) {
    return std::bit_cast<std::uint32_t>(v);
}

RoutineExit resemble(RunContext& ctx, test::ScriptedHost& host, Workspace& w, MeasureArrays& arrays,
                     const Matrix<float>& x, std::int16_t measure) {
    ctx.MeasureIndex = Measure{measure};
    ctx.NumVars = static_cast<std::int16_t>(x.last_col());
    return compute_resemblance(ctx, host, w, arrays, x, x.last_row(), RunMode::Replicate);
}

TEST(DistanceBlocks, EveryEuclideanDistanceEqualsTheOnePairSumBitForBit) {
    // Object counts on both sides of the smallest blocked count and of the
    // block widths, species counts from one upwards.
    for (const std::int32_t n : {1, 2, 3, 15, 16, 17, 31, 32, 33, 34, 65, 97}) {
        for (const std::int16_t species : {1, 2, 7, 50}) {
            std::mt19937 rng(static_cast<unsigned>(n * 100 + species));
            Matrix<float> x = random_objects(n, species, rng);
            if (n >= 3 && species >= 2) {
                x(2, 2) = std::numeric_limits<float>::quiet_NaN();
                x(3, 1) = std::numeric_limits<float>::infinity();
            }
            RunContext ctx;
            test::ScriptedHost host;
            Workspace w;
            MeasureArrays arrays;
            ASSERT_EQ(resemble(ctx, host, w, arrays, x, 1), RoutineExit::Normal);
            for (std::int32_t j = 1; j < n; ++j)
                for (std::int32_t k = j + 1; k <= n; ++k)
                    ASSERT_EQ(bits(w.SimMatrix(j, k)), bits(euclidean_pair(x, j, k, species, host)))
                        << "n " << n << ", species " << species << ", pair " << j << "," << k;
        }
    }
}

TEST(DistanceBlocks, EveryBrayCurtisCoefficientEqualsTheOnePairSumsBitForBit) {
    for (const std::int32_t n : {2, 15, 16, 17, 31, 32, 33, 70}) {
        for (const std::int16_t species : {1, 5, 50}) {
            std::mt19937 rng(static_cast<unsigned>(n * 100 + species));
            Matrix<float> x = random_objects(n, species, rng);
            for (std::int32_t j = 1; j <= n; ++j)
                for (std::int32_t s = 1; s <= species; ++s) x(j, s) = std::fabs(x(j, s));
            for (std::int32_t s = 1; s <= species; ++s) x(n, s) = 0.0f;  // an empty object
            if (n > 2) x(1, 1) = std::numeric_limits<float>::quiet_NaN();
            RunContext ctx;
            test::ScriptedHost host;
            Workspace w;
            MeasureArrays arrays;
            ctx.MeasureIndex = Measure{2};
            ctx.NumVars = species;
            ASSERT_EQ(compute_resemblance(ctx, host, w, arrays, x, n, RunMode::Observed),
                      RoutineExit::Normal);
            for (std::int32_t j = 1; j < n; ++j) {
                for (std::int32_t k = j + 1; k <= n; ++k) {
                    const BrayCurtisSums s = bray_curtis_sums(x, j, k, species, host);
                    const float expected = s.shared == 0.0f && s.total == 0.0f ? 1.0f
                                           : s.total == 0.0f                   ? 0.0f
                                                             : 2.0f * s.shared / s.total;
                    ASSERT_EQ(bits(w.SimMatrix(j, k)), bits(expected))
                        << "n " << n << ", species " << species << ", pair " << j << "," << k;
                }
            }
        }
    }
}

TEST(DistanceBlocks, AReusedWorkspaceGivesWhatAFreshOneGivesForEveryMeasure) {
    std::mt19937 rng(7);
    const Matrix<float> first = random_objects(40, 6, rng);
    Matrix<float> second = random_objects(40, 6, rng);
    for (std::int32_t j = 1; j <= 40; ++j)
        for (std::int16_t s = 1; s <= 6; ++s) second(j, s) = std::fabs(second(j, s)) + 1.0f;
    for (std::int16_t measure = 1; measure <= 8; ++measure) {
        RunContext ctx;
        test::ScriptedHost host;
        Workspace reused;
        MeasureArrays reused_arrays;
        Workspace fresh;
        MeasureArrays fresh_arrays;
        resemble(ctx, host, reused, reused_arrays, first, measure);
        ASSERT_EQ(resemble(ctx, host, reused, reused_arrays, second, measure), RoutineExit::Normal)
            << measure;
        ASSERT_EQ(resemble(ctx, host, fresh, fresh_arrays, second, measure), RoutineExit::Normal)
            << measure;
        EXPECT_EQ(reused.DistanceFlag, fresh.DistanceFlag) << measure;
        for (std::int32_t j = 1; j < 40; ++j)
            for (std::int32_t k = j + 1; k <= 40; ++k)
                ASSERT_EQ(bits(reused.SimMatrix(j, k)), bits(fresh.SimMatrix(j, k)))
                    << "measure " << measure << ", pair " << j << "," << k;
    }
}

}  // namespace
}  // namespace tw
