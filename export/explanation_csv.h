#pragma once
// The cluster explanation's two tables, exported beside the results when the
// run has one:
//   PREFIX.simper.csv      kind (within|between), cluster_a, cluster_b,
//                          species, mean_a, mean_b, average, sd, ratio,
//                          share, cumulative: each table's species down to
//                          the run's cumulative cut, the largest first
//   PREFIX.indicators.csv  species, cluster, specificity, fidelity, indval,
//                          p, then one indval column per cluster ("indval_A")
// A value that does not exist (cluster_b and mean_b within a cluster, the
// spread of a single pair, P of a species found nowhere) is an empty field,
// which R and Python read as missing.

#include <string>

#include "run/cluster_explanation.h"
#include "run/run_context.h"

namespace tw {

std::string simper_csv(const RunContext& ctx, const ClusterExplanation& e);
std::string indicators_csv(const RunContext& ctx, const ClusterExplanation& e);

}  // namespace tw
