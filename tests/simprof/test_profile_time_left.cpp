#include <gtest/gtest.h>

#include <vector>

#include "simprof/profile_time_left.h"

namespace tw::test {
namespace {

// Four objects chained: linkage 1 joins objects 1 and 2, linkage 2 adds
// object 3, linkage 3 (the root) object 4; ten permutations a node.
const std::vector<LinkParts> kChain{{}, {0, 0}, {1, 0}, {2, 0}};
const std::vector<std::int32_t> kObjects{0, 2, 3, 4};

TEST(ProfileTimeLeft, WithoutProbesWeighsEachNodeByItsPairsAndTheShareFoundSignificant) {
    ProfileTimeLeft t(kChain, kObjects, 10);
    t.node_started(3, 0.0);
    EXPECT_LT(t.seconds_left(0.0, 0, {}), 0) << "nothing timed yet";
    // Half the root took 1 s: its other half is as long.
    EXPECT_DOUBLE_EQ(t.seconds_left(1.0, 5, {}), 1.0);
    t.node_ended(true, 2.0);
    t.node_started(2, 2.0);
    // The root took 2 s for 6 pairs x 10 sets: linkage 2 (3 pairs) needs
    // 1 s; linkage 1, of two objects, is never tested.
    EXPECT_DOUBLE_EQ(t.seconds_left(2.0, 0, {}), 1.0);
    // A linkage waiting its turn is certain to be tested.
    EXPECT_DOUBLE_EQ(t.seconds_left(2.0, 0, std::vector<std::int32_t>{2}), 2.0);
}

TEST(ProfileTimeLeft, ProbesSayTheCostOfEachNodeAndWhichBranchesWillBeTested) {
    std::vector<NodeProbe> probes(4);
    probes[3] = NodeProbe{0.2, 0.25};  // seconds per set, chance significant
    probes[2] = NodeProbe{0.1, 0.0};
    ProfileTimeLeft t(kChain, kObjects, 10, probes);
    t.node_started(3, 0.0);
    EXPECT_DOUBLE_EQ(t.seconds_left(0.0, 0, {}), 2.0 + 0.25 * 1.0);
    // The root's own sets go at their own pace once some have run.
    EXPECT_DOUBLE_EQ(t.seconds_left(3.0, 5, {}), 3.0 + 0.25 * 1.0);
    // It took twice what its probe said: so will linkage 2.
    t.node_ended(true, 4.0);
    t.node_started(2, 4.0);
    EXPECT_DOUBLE_EQ(t.seconds_left(4.0, 0, {}), 2.0);
}

}  // namespace
}  // namespace tw::test
