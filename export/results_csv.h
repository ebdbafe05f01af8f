#pragma once
// PREFIX.results.csv: one row per linkage in fusion order, the report's
// results table with what a script needs beside it. Columns:
// linkage,left,right,left_label,right_label,level,stations,count,
// replicates,p,se,verdict,uncertain
// - left/right: the groups joined, as the report's MEMBERS columns;
// - stations: the stations of the data file the linkage pools;
// - count, replicates, p, se (the Monte-Carlo standard error of P) and
//   uncertain (TRUE when P lies within two standard errors of alpha): empty
//   for a linkage that was not tested;
// - verdict: S, NS, * or N/A.

#include <string>

#include "run/run_context.h"

namespace tw {

std::string results_csv(const RunContext& ctx);

// Whether the verdict of tested linkage `link` could change with more
// replicates; false for a linkage that was not tested.
bool linkage_uncertain(const RunContext& ctx, std::int32_t link);

}  // namespace tw
