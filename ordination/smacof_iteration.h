#pragma once
// One iteration of non-metric scaling by SMACOF, in two passes over the
// pairs of a start, each reading them in rank order:
//  1. the distances of the configuration and Kruskal's monotone regression
//     of the distances on the order of the dissimilarities, by pooling
//     adjacent violators, with the primary approach to ties (tied pairs may
//     take different distances: a block of ties is taken in order of
//     distance);
//  2. the stress (Kruskal's formula 1, sqrt(sum (d - dhat)^2 / sum d^2))
//     and the Guttman transform towards the disparities dhat (de Leeuw
//     1977; Borg & Groenen 2005, ch. 8-9), read from the pools as they are
//     expanded, so no disparity is ever stored.
// On a few thousand objects an iteration is millions of pairs, and its
// speed is that of the memory the passes read: each start keeps its own
// copy of the pairs with their distances, every block of ties in the order
// of the start's last sort of it, so neither pass goes through an index.

#include <bit>
#include <cstdint>
#include <vector>

#include "ordination/configuration.h"
#include "ordination/ranked_pairs.h"

namespace tw {

// A distance and its pair as one 64-bit word, the distance in the high
// half: a float that is not negative orders as its bits do, so the words
// order by distance, then by pair, and a block of ties sorts as plain
// integers.
using DistancePair = std::uint64_t;

inline DistancePair distance_pair(float distance, PairCode p) {
    return (std::uint64_t{std::bit_cast<std::uint32_t>(distance)} << 32) | p;
}
inline float distance_of(DistancePair k) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(k >> 32));
}
inline PairCode pair_of(DistancePair k) {
    return static_cast<PairCode>(k);
}

// What the fit keeps of a block of ties from one iteration to the next.
struct TiedBlockFit {
    double total = 0;   // the sum of its distances
    double before = 0;  // the sum of the distances of the ranks before it
    float low = 0;      // its smallest distance
    bool whole = true;  // taken into the regression as one value, unsorted
};

struct StartWork {
    std::vector<DistancePair> ranked;  // at each rank, with its distance from the last fit
    std::vector<double> pool_sum;      // the regression's pools, left to right
    std::vector<std::uint32_t> pool_size;
    std::vector<TiedBlockFit> block;  // for each block of ties
    std::size_t pools = 0;
    double fitted_squares = 0;  // sum of dhat^2
    std::vector<float> point;   // the configuration, in single precision

    explicit StartWork(const RankedPairs& pairs);
};

// Pass 1 for configuration c. A block of ties is sorted only when the
// regression's pools begin or end within it: nearly every block of
// community data falls within one pool, and the order of its pairs then
// changes nothing, so it is left in the order it had.
void fit_disparities(const RankedPairs& pairs, const Configuration& c, StartWork& work);

// Pass 2: returns the stress of c, and sets `next` to the Guttman transform
// of c, its step lengthened by `relax` (0: the plain transform). The
// disparities are first scaled so that their sum of squares is the number
// of pairs: without that the disparities and the configuration could
// shrink together towards a stress of nothing.
double guttman_step(const StartWork& work, const Configuration& c, double relax,
                    Configuration& next);

// The disparity at each rank of work.ranked, expanded from the pools.
std::vector<double> disparities(const StartWork& work);

}  // namespace tw
