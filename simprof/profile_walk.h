#pragma once
// The similarity profile test down the observed hierarchy (Clarke,
// Somerfield & Gorley 2008): the root first; a significant node's two
// branches are tested in turn; a non-significant node's objects form one
// group and nothing under it is tested; a node of two objects is never
// tested (its profile is a single value).

#include <cstdint>
#include <vector>

#include "run/host.h"
#include "run/run_context.h"
#include "simprof/simprof_settings.h"

namespace tw {

// The two parts joined at each linkage 1..NumGroups-1: the earlier linkage
// that formed the part, or 0 for an object on its own. Read from LinkPair: a
// cluster is represented by its lowest object, so the part represented by r
// is the last earlier linkage whose left representative is r.
struct LinkParts {
    std::int32_t left = 0;
    std::int32_t right = 0;
};
std::vector<LinkParts> link_parts(const RunContext& ctx);

// Tests from the root down and records the test and every linkage's outcome
// in ctx.Results (links 1..NumGroups-1). Reads LinkPair, LinkMembers and the
// observed objects in AvgMatrix. True when the user stopped the test: the
// linkage under test then, and every one still waiting or under them, are
// Stopped.
bool walk_profile_tests(RunContext& ctx, Host& host, const ProfileSettings& settings);

}  // namespace tw
