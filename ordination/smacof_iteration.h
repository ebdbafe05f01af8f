#pragma once
// One iteration of non-metric scaling by SMACOF, in two passes over the
// pairs of a start, each reading them in rank order:
//  1. the distances of the configuration, each block of tied
//     dissimilarities put in order of distance (the primary approach to
//     ties: tied pairs may take different distances), and Kruskal's
//     monotone regression of the distances on that order by pooling
//     adjacent violators;
//  2. the stress (Kruskal's formula 1, sqrt(sum (d - dhat)^2 / sum d^2))
//     and the Guttman transform towards the disparities dhat (de Leeuw
//     1977; Borg & Groenen 2005, ch. 8-9), read from the pools as they are
//     expanded, so no disparity is ever stored.
// On a few thousand objects an iteration is millions of pairs, and its
// speed is that of the memory the passes read: each start keeps its own
// copy of the pairs, with every block of ties kept sorted by the start's
// last distances, so neither pass goes through an index.

#include <cstdint>
#include <vector>

#include "ordination/configuration.h"
#include "ordination/ranked_pairs.h"

namespace tw {

struct StartWork {
    std::vector<PairCode> pair;    // at each rank; tied pairs in order of their last distances
    std::vector<float> distance;   // at each rank, from the last fit
    std::vector<double> pool_sum;  // the regression's pools, left to right
    std::vector<std::uint32_t> pool_size;
    std::size_t pools = 0;
    double fitted_squares = 0;        // sum of dhat^2
    std::vector<std::uint64_t> keys;  // one block of ties while it is sorted
    std::vector<float> point;         // the configuration, in single precision

    explicit StartWork(const RankedPairs& pairs);
};

// Pass 1 for configuration c. Equal distances within a block of ties go in
// order of their pair, so the order is the same however the block was
// sorted.
void fit_disparities(const RankedPairs& pairs, const Configuration& c, StartWork& work);

// Pass 2: returns the stress of c, and sets `next` to the Guttman transform
// of c, its step lengthened by `relax` (0: the plain transform). The
// disparities are first scaled so that their sum of squares is the number
// of pairs: without that the disparities and the configuration could
// shrink together towards a stress of nothing.
double guttman_step(const StartWork& work, const Configuration& c, double relax,
                    Configuration& next);

// The disparity at each rank of work.pair, expanded from the pools.
std::vector<double> disparities(const StartWork& work);

}  // namespace tw
