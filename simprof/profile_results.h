#pragma once
// The results of the similarity profile test: the symbols the cluster
// identifiers read, the report section and the results grid, all from the
// run's test result (ctx.Results).

#include <cstdint>
#include <string>

#include "run/host.h"
#include "run/run_context.h"
#include "simprof/simprof_settings.h"

namespace tw {

// The linkage symbol that makes the identifiers cut the tree where the test
// did: "S" separates its two sides; "NS", "N/A" (two objects, or inside a
// group) and a stopped linkage join everything under them.
std::string profile_symbol(Verdict verdict);

// SIG of every linkage from ctx.Results, and LinkStat as the bootstrap
// leaves it for a linkage it did not test (-999), or for a tested one the
// number of profiles at least as far from the mean as the real one.
void set_profile_symbols(RunContext& ctx);

// P as its shortest decimal text that reads back to the same single, never
// in E-notation: "0.001" for 1 of 1000, "0.13065326" for 26 of 199, so
// that the report, the grid and the exports agree to the last digit.
std::string profile_p_text(double p);

// The report section (after the linkage table and the dendrogram listing)
// and the grid of the "Messages & Linkage Table" window.
void write_profile_results(RunContext& ctx, Host& host, const ProfileSettings& settings);

}  // namespace tw
