#pragma once
// The pairs of objects in order of their dissimilarity, with the blocks of
// tied dissimilarities marked.

#include <cstdint>
#include <vector>

#include "ordination/pair_dissimilarities.h"

namespace tw {

// A pair of objects in one 32-bit word, the first object in the high half:
// the passes of the scaling read the pairs of every rank many times, and
// their speed is that of the memory they read. Objects are numbered in 16
// bits: the ordination takes at most kMaxOrdinationObjects (nmds.h).
using PairCode = std::uint32_t;

inline PairCode pair_code(std::int32_t i, std::int32_t j) {
    return (static_cast<PairCode>(i) << 16) | static_cast<PairCode>(j);
}
inline std::size_t first_object(PairCode p) {
    return p >> 16;
}
inline std::size_t second_object(PairCode p) {
    return p & 0xFFFFu;
}

struct TieBlock {
    std::uint32_t first = 0, last = 0;  // ranks [first, last), at least two
};

struct RankedPairs {
    std::int32_t objects = 0;
    std::vector<PairCode> pair;         // the objects of the pair at each rank
    std::vector<double> dissimilarity;  // ascending
    std::vector<TieBlock> ties;

    std::size_t size() const { return dissimilarity.size(); }
};

// Ties are broken by the pair's place in the matrix, so the ranking never
// depends on the sort.
RankedPairs rank_pairs(const PairDissimilarities& d);

}  // namespace tw
