#pragma once
// The results of the bootstrap test: the table of every linkage in the
// report and in the results grid, and the final symbols of the linkages that
// were not tested ("*" nested, "N/A" otherwise), which the cluster
// identifiers rely on.

#include <cstdint>
#include <string>

#include "bootstrap/test_settings.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

// Writes the table for linkages 1..NumGroups-1 to the report stream (channel
// 2) and the grid, from LinkStat, SIG, LinkPair and LinkRedrawn. A linkage
// that was not tested but already carries a symbol means the test went
// wrong: the message goes to link_table and the program stops (ProgramEnd).
void write_results(RunContext& ctx, Host& host, const TestSettings& settings);

// Grid text of the P column for one linkage: "0 .03 *" when significant,
// "N/A", "*" for a nested linkage, "Stopped" for one the test did not reach
// because the user stopped it, otherwise P to three decimals ("0.300").
std::string p_cell_text(float link_stat, float p, float alpha);

}  // namespace tw
