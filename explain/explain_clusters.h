#pragma once
// "What makes each cluster": the similarity percentages and indicator values
// of the final clusters of a completed test, kept in ctx.Explanation for the
// report, the results window and the export.

#include <thread>

#include "run/cluster_explanation.h"
#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Works both out from the run's stations, its cluster identifiers and its
// settings (simper_cut, indicator_permutations); the permutations are seeded
// from the test's seed and spread over bootstrap_threads (0: every core).
// Throws RunError when the run has no identifiers or holds a negative value.
ClusterExplanation explain_clusters(const RunContext& ctx);

// The run's explanation, worked out on first asking.
const ClusterExplanation& explanation_of(RunContext& ctx);

// After a completed test: when the run asked for it, works the explanation
// out and writes its section at the end of the report. A run it cannot be
// worked out for says why in the report and in a message; the test's results
// stand either way, so this never fails the run.
void explain_if_asked(RunContext& ctx, Host& host);

// The dendrogram window's "Continue": the test the method window chose, then
// the explanation when asked.
Outcome test_and_explain(RunContext& ctx, Host& host);

}  // namespace tw
