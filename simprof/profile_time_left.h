#pragma once
// How long the rest of a similarity profile test will take, learnt from the
// test so far.
//
// A permutation of a node of m objects computes and sorts its m(m-1)/2
// resemblances, so its cost is taken to grow with the pairs; the cost of a
// pair is learnt from the permutations run so far. Which nodes will be
// tested cannot be known: the branches of a node are tested only when it
// is significant. The nodes waiting are certain; under each node the
// branches are counted with the share of tested nodes found significant so
// far (one in two before any is known). On a large survey the root's own
// permutations are most of the test, so counting every node that could be
// tested alike, as the progress's permutation count does, overstates the
// time many times over.

#include <cstdint>
#include <span>
#include <vector>

#include "simprof/profile_walk.h"

namespace tw {

class ProfileTimeLeft {
  public:
    // `parts` and `objects` are indexed by linkage 1..links (0 unused).
    ProfileTimeLeft(std::vector<LinkParts> parts, std::vector<std::int32_t> objects,
                    std::int64_t node_permutations);

    void node_started(std::int32_t link);
    // The node under test ended with all its permutations run.
    void node_ended(bool significant);

    // Seconds still needed, `elapsed` seconds into the test, with `finished`
    // of the current node's permutations run and `waiting` the linkages
    // certain to be tested after it; negative while nothing has been timed.
    double seconds_left(double elapsed, std::int64_t finished,
                        std::span<const std::int32_t> waiting) const;

  private:
    double pairs(std::int32_t link) const;
    double significant_share() const;
    double expected_under(std::int32_t link) const;
    void expect_again();

    std::vector<LinkParts> parts_;
    std::vector<std::int32_t> objects_;
    double permutations_ = 0;
    std::vector<double> expected_;  // pair-permutations to come at each linkage
    std::int32_t current_ = 0;
    double done_ = 0;  // pair-permutations of the nodes ended
    std::int32_t tested_ = 0;
    std::int32_t significant_ = 0;
};

}  // namespace tw
