#pragma once
// PREFIX.results.csv: one row per linkage in fusion order, the report's
// results table with what a script needs beside it. Columns:
// linkage,left,right,left_label,right_label,level,stations,test,count,
// trials,p,se,statistic,verdict,uncertain
// - left/right: the groups joined, as the report's MEMBERS columns;
// - stations: the stations of the data file the linkage pools;
// - test: "bootstrap" or "similarity profile", on every row;
// - count, trials, p (= count / trials), se (the Monte-Carlo standard error
//   of P) and uncertain (TRUE when P lies within two standard errors of
//   alpha): empty for a linkage that was not tested. The bootstrap counts
//   replicates joining at or beyond the observed level out of its
//   replicates; the similarity profile test counts profiles as far from the
//   mean as the real one, the real one included, out of the real one and its
//   null permutations;
// - statistic: pi of the similarity profile test, empty for the bootstrap;
// - verdict: S, NS, * , N/A, STOPPED, or - (inside a group after the
//   similarity profile test).

#include <string>

#include "run/run_context.h"

namespace tw {

std::string results_csv(const RunContext& ctx);

// Whether the verdict of tested linkage `link` could change with more
// trials; false for a linkage that was not tested.
bool linkage_uncertain(const RunContext& ctx, std::int32_t link);

}  // namespace tw
