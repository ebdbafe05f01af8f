#pragma once
// The bootstrap's part of the run's test result (ctx.Results): filled from
// the test's own per-linkage state (SIG, LinkStat) once the test loop has
// ended, completed or stopped, so that every output reads the verdicts and
// P values the report's table shows.

#include "bootstrap/test_settings.h"
#include "run/run_context.h"

namespace tw {

// Before the first replicate: which test, its replicates and its level.
void start_bootstrap_results(RunContext& ctx, const TestSettings& settings);

// After the loop (and after mark_stopped_links on a stop): one result per
// linkage 1..NumGroups-1.
void record_bootstrap_results(RunContext& ctx, const TestSettings& settings);

}  // namespace tw
