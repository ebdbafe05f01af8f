#pragma once
// A few permutations of each node the walk may reach, drawn before the test
// from streams of their own, that tell the time left what the walk alone
// learns too late: what a permutation of each node costs on this machine,
// and which nodes will likely be significant (only their branches are
// tested, and one large branch can outweigh the rest of the test).
//
// From the root down: a node is probed when the nodes above it have, all
// together, a fair chance of being significant. The probes show nothing
// and change nothing of the test; they cost about a fiftieth of the nodes
// they probe.

#include <cstdint>
#include <vector>

#include "run/host.h"
#include "run/run_context.h"
#include "simprof/profile_walk.h"
#include "simprof/simprof_settings.h"

namespace tw {

struct NodeProbe {
    double seconds = -1;     // wall seconds per permuted set; negative: not probed
    double significant = 0;  // the chance that its test finds it significant
};

// Permutations (N) a probe of a node runs for a test of `permutations`;
// none for a test of fewer than 250.
std::int32_t probe_permutations(std::int32_t permutations);

// Probes indexed by linkage 1..links (0 unused), where `parts` give the
// hierarchy; nothing once the user asks to stop.
std::vector<NodeProbe> probe_nodes(const RunContext& ctx, Host& host,
                                   const ProfileSettings& settings,
                                   const std::vector<LinkParts>& parts);

}  // namespace tw
