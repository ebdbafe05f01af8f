#pragma once
// The results of the similarity profile test: the symbols the cluster
// identifiers read, the report section and the results grid.

#include <string>

#include "run/host.h"
#include "run/run_context.h"
#include "simprof/simprof_settings.h"

namespace tw {

// The linkage symbol that makes the identifiers cut the tree where the test
// did: "S" separates its two sides; "NS" and "N/A" (two objects, or inside a
// group) join everything under them.
std::string profile_symbol(ProfileVerdict verdict);

// SIG of every linkage from ctx.ProfileLinks, and LinkStat as the bootstrap
// leaves it for a linkage it did not test (-999), or for a tested one the
// number of null sets at least as far from the mean as the real profile.
void set_profile_symbols(RunContext& ctx);

// The report section (after the linkage table and the dendrogram listing)
// and the grid of the "Messages & Linkage Table" window.
void write_profile_results(RunContext& ctx, Host& host, const ProfileSettings& settings);

}  // namespace tw
