#pragma once
// The pairs of objects in order of their dissimilarity, with the blocks of
// tied dissimilarities marked, and the monotone regression that non-metric
// scaling fits to them.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "ordination/pair_dissimilarities.h"

namespace tw {

struct TieBlock {
    std::uint32_t first = 0, last = 0;  // ranks [first, last), at least two
};

struct RankedPairs {
    std::int32_t objects = 0;
    std::vector<std::uint32_t> left, right;  // the objects of the pair at each rank
    std::vector<double> dissimilarity;       // ascending
    std::vector<TieBlock> ties;

    std::size_t size() const { return dissimilarity.size(); }
};

// Ties are broken by the pair's place in the matrix, so the ranking never
// depends on the sort.
RankedPairs rank_pairs(const PairDissimilarities& d);

// What one start of the scaling works in, sized once for its pairs.
struct MonotoneWork {
    std::vector<double> distance;  // configuration distance at each rank
    std::vector<double> fitted;    // disparity at each rank
    std::vector<std::uint32_t> order;
    std::vector<double> pool_sum;
    std::vector<double> pool_size;
    std::vector<std::pair<double, std::uint32_t>> tied;  // one block of ties at a time

    explicit MonotoneWork(std::size_t pairs);
};

// Kruskal's monotone regression of the configuration distances on the
// order of the dissimilarities, by pooling adjacent violators, with the
// primary approach to ties: within a block of tied dissimilarities the
// distances are taken in their own order, so tied pairs may keep different
// disparities. Fills work.fitted from work.distance and returns the stress
// (Kruskal's formula 1: sqrt(sum (distance - fitted)^2 / sum distance^2)).
double monotone_fit(const RankedPairs& pairs, MonotoneWork& work);

}  // namespace tw
