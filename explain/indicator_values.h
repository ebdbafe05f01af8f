#pragma once
// Indicator values (Dufrene & Legendre 1997, "Species assemblages and
// indicator species: the need for a flexible asymmetrical approach", Ecol.
// Monogr. 67:345-366), as labdsv's indval computes them.
//
// For species k and cluster c, with n_c stations in c:
//   specificity A_kc = mean abundance of k in c / sum over clusters of those means
//   fidelity    B_kc = stations of c where k is present (above 0) / n_c
//   IndVal_kc  = 100 A_kc B_kc
// The species indicates the cluster where IndVal is highest (the first in
// identifier order on a tie). Its P is (1 + m) / (1 + N): m of N random
// reassignments of the stations to clusters of the same sizes give a highest
// IndVal at least as large as the observed one. A species present at no
// station has no values to compare: its IndVal is 0 everywhere and it has
// neither cluster nor P.

#include <cstdint>
#include <vector>

#include "explain/cluster_stations.h"
#include "run/cluster_explanation.h"

namespace tw {

struct IndicatorSettings {
    std::int32_t permutations = 999;  // 0 leaves P out (NaN)
    std::uint64_t seed = 1;
    unsigned threads = 1;
};

// The reassignments are cut into a fixed number of lanes, each drawing from a
// stream seeded from `seed` and its lane, so P is the same on any thread count.
std::vector<IndicatorSpecies> indicator_values(const ClusterStations& cs,
                                               const IndicatorSettings& settings);

}  // namespace tw
