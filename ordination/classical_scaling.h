#pragma once
// Classical (Torgerson) scaling: the configuration whose distances best
// reproduce the dissimilarities as a least-squares fit of their squares
// after double centring (Gower 1966). It is the first start of the
// non-metric scaling, so it need only be close: the leading k eigenvectors
// are found by subspace iteration on the pairs, without building the
// n x n matrix.

#include <cstdint>

#include "ordination/configuration.h"
#include "ordination/ranked_pairs.h"

namespace tw {

Configuration classical_scaling(const RankedPairs& pairs, std::int32_t dimensions);

}  // namespace tw
