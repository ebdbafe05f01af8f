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
    std::vector<std::uint16_t> left, right;  // the objects of the pair at each rank
    std::vector<double> dissimilarity;       // ascending
    std::vector<TieBlock> ties;

    std::size_t size() const { return dissimilarity.size(); }
};

// Ties are broken by the pair's place in the matrix, so the ranking never
// depends on the sort. Objects are numbered in 16 bits: the ordination
// takes at most kMaxOrdinationObjects (nmds.h).
RankedPairs rank_pairs(const PairDissimilarities& d);

// What one start of the scaling works in, sized once for its pairs. The
// distances and disparities are kept in single precision and summed in
// double: on a few thousand objects an iteration is a few passes over
// millions of pairs, and their speed is that of the memory they read.
struct MonotoneWork {
    std::vector<float> distance;  // configuration distance at each rank
    std::vector<float> fitted;    // disparity at each rank
    double fitted_squares = 0;    // sum of fitted^2, from the last fit
    std::vector<std::uint32_t> order;
    std::vector<double> pool_sum;
    std::vector<double> pool_size;
    std::vector<std::pair<float, std::uint32_t>> tied;  // one block of ties at a time

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
