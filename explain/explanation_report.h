#pragma once
// The report's section on what makes each cluster, written after the cluster
// identifiers when the run asked for it.

#include <string>

#include "run/cluster_explanation.h"
#include "run/printer.h"
#include "run/run_context.h"

namespace tw {

void write_explanation(Printer& report, const RunContext& ctx, const ClusterExplanation& e);

// The section's heading and why nothing follows it.
void write_explanation_refused(Printer& report, const std::string& why);

// A value as the report and the window show it: fixed with `decimals`
// places, "-" when it has none (a single pair's spread) and "Inf" when it
// is unbounded (a ratio over a spread of 0).
std::string explanation_number(double value, int decimals);

}  // namespace tw
