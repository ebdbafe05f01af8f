#pragma once
// The bootstrap test of every linkage, started by the dendrogram window's
// "Continue", and the "Finish" of the results window.

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Tests every linkage of the observed hierarchy, writes SIGLIST.TXT, the
// results table (report and grid) and the cluster identifiers, then shows
// the "Finish" button. Early stops are handled here and reported by the
// outcome: Failed when the number of bootstrap samples or the alpha level
// cannot be used (a message says which, before any replicate is drawn),
// Abandoned when a replicate's heterogeneity ratio question was answered No
// (every file closed, no results written, Form2 shown again), Ended when a
// consistency check stopped the program.
Outcome test_linkages(RunContext& ctx, Host& host);

// "Finish": close every channel, show Form2 again, clear the dendrogram, the
// Sqr_sim setting and the grid cells.
void finish_run(RunContext& ctx, Host& host);

}  // namespace tw
