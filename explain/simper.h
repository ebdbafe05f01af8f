#pragma once
// Similarity percentages (Clarke 1993, "Non-parametric multivariate analyses
// of changes in community structure", Austral. J. Ecol. 18:117-143).
//
// Bray-Curtis between stations i and j, in percent, is a sum over species:
//   similarity    S_ij = sum_k 200 min(x_ik, x_jk) / sum_k (x_ik + x_jk)
//   dissimilarity D_ij = sum_k 100 |x_ik - x_jk| / sum_k (x_ik + x_jk)
// so each species' term is its contribution to that pair. Within a cluster
// the terms of S are averaged over its pairs of stations; between two
// clusters the terms of D over every pair with one station in each (the
// definition of vegan's simper, whose `average` is these values / 100).
// Bray-Curtis is used whatever measure clustered the run: it is the measure
// the method is defined on.
//
// A pair of two empty stations has no Bray-Curtis value; it is left out and
// counted in `empty_pairs`. The standard deviation is over pairs with n - 1
// in the divisor (as R's sd), so a single pair has none (NaN).

#include <vector>

#include "explain/cluster_stations.h"
#include "run/cluster_explanation.h"

namespace tw {

// Above this many clusters the tables between every pair of clusters would
// outnumber any reader's patience (and the stations' pairs the memory): only
// the tables within clusters are made.
inline constexpr std::int32_t kMostClustersCompared = 52;

// The within tables (clusters of two or more stations, in identifier order)
// then the between tables (A-B, A-C, ..., B-C, ...). Each table is worked
// out by one of `threads` threads in a fixed order, so the numbers do not
// depend on the thread count.
std::vector<SimperTable> similarity_percentages(const ClusterStations& cs, unsigned threads);

}  // namespace tw
