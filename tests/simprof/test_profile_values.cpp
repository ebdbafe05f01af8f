// The profile, the mean profile and pi against values worked by hand.
//
// Three objects over two species, Euclidean distance: A (0, 0), B (3, 4),
// C (0, 4). Distances AB 5, AC 4, BC 3, so the real profile is 3 4 5.
// Permuting species 1 (0 3 0) and species 2 (0 4 4) among the objects, the
// 3 takes one of three places and the 0 one of three, nine arrangements in
// all, equally likely:
// - the 3 and the 0 on the same object (3 of 9): objects (3, 0), (0, 4),
//   (0, 4), distances 5 5 0, profile 0 5 5;
// - on different objects (6 of 9): (3, 4), (0, 0), (0, 4), profile 3 4 5.
// Mean profile (3 x [0 5 5] + 6 x [3 4 5]) / 9 = 2, 39/9, 5.
// pi of the real profile |3 - 2| + |4 - 39/9| + 0 = 4/3; pi of 0 5 5 is
// 2 + 6/9 = 8/3.

#include <gtest/gtest.h>

#include <algorithm>

#include "simprof/column_permutation.h"
#include "simprof/node_test.h"
#include "simprof/profile.h"
#include "simprof/profile_statistics.h"
#include "support/scripted_host.h"

namespace tw::test {
namespace {

Matrix<float> table(const std::vector<std::vector<float>>& rows) {
    Matrix<float> x(static_cast<std::int32_t>(rows.size()),
                    static_cast<std::int32_t>(rows[0].size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t s = 0; s < rows[i].size(); ++s)
            x(static_cast<std::int32_t>(i + 1), static_cast<std::int32_t>(s + 1)) = rows[i][s];
    return x;
}

RunContext measured_by(std::int16_t measure, std::int16_t species) {
    RunContext run;
    run.MeasureIndex = Measure{measure};
    run.NumVars = run.NumCols = species;
    return run;
}

const std::vector<float> kReal{3, 4, 5};
const std::vector<float> kSameObject{0, 5, 5};

TEST(ProfileValues, ProfileIsTheSortedResemblancesOfTheObjects) {
    ProfileMeasure euclidean(measured_by(1, 2));
    std::vector<float> profile;
    euclidean.profile(table({{0, 0}, {3, 4}, {0, 4}}), 3, profile);
    EXPECT_EQ(profile, kReal);
    // One fixed permutation: the 3 and the 0 moved onto the first object.
    euclidean.profile(table({{3, 0}, {0, 4}, {0, 4}}), 3, profile);
    EXPECT_EQ(profile, kSameObject);
}

TEST(ProfileValues, BrayCurtisProfileCountsTwoEmptyObjectsAsIdentical) {
    // A permuted set may empty two objects; the observed run's rule (1) holds.
    ProfileMeasure bray_curtis(measured_by(2, 2));
    std::vector<float> profile;
    bray_curtis.profile(table({{1, 0}, {0, 1}, {1, 1}}), 3, profile);
    EXPECT_EQ(profile, (std::vector<float>{0.0f, 2.0f / 3.0f, 2.0f / 3.0f}));
    bray_curtis.profile(table({{0, 0}, {0, 0}, {1, 1}}), 3, profile);
    EXPECT_EQ(profile, (std::vector<float>{0.0f, 0.0f, 1.0f}));
}

TEST(ProfileValues, MeanProfileAndPiOfTheNineArrangements) {
    std::vector<double> sums(3, 0.0);
    for (int i = 0; i < 3; ++i) add_profile(kSameObject, sums);
    for (int i = 0; i < 6; ++i) add_profile(kReal, sums);
    const std::vector<double> mean = mean_profile(sums, 9);
    EXPECT_DOUBLE_EQ(mean[0], 2.0);
    EXPECT_DOUBLE_EQ(mean[1], 39.0 / 9.0);
    EXPECT_DOUBLE_EQ(mean[2], 5.0);
    EXPECT_NEAR(profile_pi(kReal, mean), 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(profile_pi(kSameObject, mean), 8.0 / 3.0, 1e-12);
    // The real profile counts among the null ones: 999 null sets with 4 at
    // least as far give (4 + 1) / 1000.
    EXPECT_FLOAT_EQ(profile_p(4, 999), 0.005f);
    EXPECT_FLOAT_EQ(profile_p(0, 999), 0.001f);
}

TEST(ProfileValues, NodeTestConvergesOnTheHandWorkedMeanAndFindsNoStructure) {
    const RunContext run = measured_by(1, 2);
    ScriptedHost host;
    ProfileSettings settings;
    settings.permutations = 4000;
    settings.alpha = 0.05f;
    settings.seed = 99;
    TestProgress progress;
    const NodeResult result =
        test_node(run, host, settings, table({{0, 0}, {3, 4}, {0, 4}}), 3, 1, progress);
    // The mean's first entry is 3 x (share of 3 4 5 profiles): 1/3 of 4000
    // draws misses 1/3 by 0.0075 (one standard error), so pi is within 0.05.
    EXPECT_NEAR(result.pi, 4.0 / 3.0, 0.05);
    // Every null profile is 3 4 5 (pi equal to the real one) or 0 5 5 (larger).
    EXPECT_EQ(result.as_large, 3999);
    EXPECT_FLOAT_EQ(result.p, 1.0f);
    EXPECT_GT(host.yields, 7000);  // the windows were let in between permutations
}

TEST(ProfileValues, PermutationShufflesEachSpeciesOnItsOwn) {
    Matrix<float> x = table({{1, 10}, {2, 20}, {3, 30}, {4, 40}});
    RandomSource stream(5);
    bool species_apart = false;
    for (int draw = 0; draw < 50; ++draw) {
        permute_within_columns(x, 4, 2, stream);
        std::vector<float> first, second;
        for (std::int32_t i = 1; i <= 4; ++i) {
            first.push_back(x(i, 1));
            second.push_back(x(i, 2));
            if (x(i, 2) != 10.0f * x(i, 1)) species_apart = true;
        }
        std::sort(first.begin(), first.end());
        std::sort(second.begin(), second.end());
        ASSERT_EQ(first, (std::vector<float>{1, 2, 3, 4})) << "draw " << draw;
        ASSERT_EQ(second, (std::vector<float>{10, 20, 30, 40})) << "draw " << draw;
        EXPECT_EQ(x(0, 1), 0.0f);  // row 0 is never touched
    }
    EXPECT_TRUE(species_apart);
}

}  // namespace
}  // namespace tw::test
