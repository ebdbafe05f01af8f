#pragma once
// How long the rest of a similarity profile test will take, from the nodes'
// probes (node_probes.h) and the test so far.
//
// A node's test costs its permuted sets at the pace its probe showed,
// scaled by how the nodes tested so far compared with their probes; a node
// without a probe costs in proportion to its pairs (a permuted set computes
// and sorts the m(m-1)/2 resemblances of its m objects), at the rate the
// test has shown. The nodes waiting are certain; under each node its
// branches count with the chance its probe gave it of being significant,
// or without a probe the share of tested nodes found significant so far
// (one in two before any is known). On a large survey the root's own
// permutations are most of the test, so counting every node that could be
// tested alike, as the progress's permutation count does, overstates the
// time many times over.

#include <cstdint>
#include <span>
#include <vector>

#include "simprof/node_probes.h"
#include "simprof/profile_walk.h"

namespace tw {

class ProfileTimeLeft {
  public:
    // `parts`, `objects` and `probes` (which may be empty) are indexed by
    // linkage 1..links (0 unused).
    ProfileTimeLeft(std::vector<LinkParts> parts, std::vector<std::int32_t> objects,
                    std::int64_t node_permutations, std::vector<NodeProbe> probes = {});

    // Times in seconds from the test's start.
    void node_started(std::int32_t link, double now);
    // The node under test ended with all its permutations run.
    void node_ended(bool significant, double now);

    // Seconds still needed at `now`, with `finished` of the current node's
    // permutations run and `waiting` the linkages certain to be tested
    // after it; negative while there is nothing to go on.
    double seconds_left(double now, std::int64_t finished,
                        std::span<const std::int32_t> waiting) const;

  private:
    double pairs(std::int32_t link) const;
    double chance_significant(std::int32_t link) const;
    double node_seconds(std::int32_t link) const;
    double pace() const;
    double pair_rate() const;  // the ended nodes' seconds against their probes'
    double expected_under(std::int32_t link) const;
    void expect_again();

    std::vector<LinkParts> parts_;
    std::vector<std::int32_t> objects_;
    std::vector<NodeProbe> probes_;
    bool probed_ = false;  // any node has a probe
    double permutations_ = 0;
    std::vector<double> expected_;  // seconds to come at each linkage, its branches included
    double pair_rate_ = 0;          // seconds per pair and set, when expected_ was worked out
    std::int32_t current_ = 0;
    double node_start_ = 0;
    double seconds_done_ = 0;  // the nodes ended: their seconds
    double pairs_done_ = 0;    // and their pair-permutations
    double pace_seconds_ = 0;  // the probed ones among them, and what their probes said
    double pace_probes_ = 0;
    std::int32_t tested_ = 0;
    std::int32_t significant_ = 0;
};

}  // namespace tw
