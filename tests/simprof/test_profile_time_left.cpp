#include <gtest/gtest.h>

#include <vector>

#include "simprof/profile_time_left.h"

namespace tw::test {
namespace {

// Four objects chained: linkage 1 joins objects 1 and 2, linkage 2 adds
// object 3, linkage 3 (the root) object 4; ten permutations a node.
ProfileTimeLeft chained_four() {
    std::vector<LinkParts> parts{{}, {0, 0}, {1, 0}, {2, 0}};
    return ProfileTimeLeft(parts, {0, 2, 3, 4}, 10);
}

TEST(ProfileTimeLeft, WeighsEachNodeByItsPairsAndCountsBranchesByTheShareFoundSignificant) {
    ProfileTimeLeft t = chained_four();
    t.node_started(3);
    EXPECT_LT(t.seconds_left(1.0, 0, {}), 0) << "nothing timed yet";
    // Half the root (6 pairs x 5) took 1 s; its other half is as long, and
    // linkage 2 (3 pairs x 10) counts at one in two before any verdict;
    // linkage 1, of two objects, is never tested.
    EXPECT_DOUBLE_EQ(t.seconds_left(1.0, 5, {}), 1.5);
    t.node_ended(true);
    t.node_started(2);
    // The root took 2 s for 60 pair-permutations: linkage 2 needs 1 s more.
    EXPECT_DOUBLE_EQ(t.seconds_left(2.0, 0, {}), 1.0);
    // A linkage waiting its turn is certain to be tested.
    EXPECT_DOUBLE_EQ(t.seconds_left(2.0, 0, std::vector<std::int32_t>{2}), 2.0);
}

}  // namespace
}  // namespace tw::test
