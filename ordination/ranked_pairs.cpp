#include "ordination/ranked_pairs.h"

#include <algorithm>

namespace tw {

namespace {

// Each value beside its place in the matrix: sorting these side by side
// reads memory in a straight line, where sorting places by their values
// would look every value up at random.
struct Ranked {
    double value;
    std::uint32_t place;
    bool operator<(const Ranked& o) const {
        return value < o.value || (value == o.value && place < o.place);
    }
};

std::vector<PairCode> pair_codes(std::int32_t objects) {
    std::vector<PairCode> codes;
    codes.reserve(static_cast<std::size_t>(objects) * static_cast<std::size_t>(objects - 1) / 2);
    for (std::int32_t i = 0; i < objects; ++i)
        for (std::int32_t j = i + 1; j < objects; ++j) codes.push_back(pair_code(i, j));
    return codes;
}

std::vector<TieBlock> tie_blocks(const std::vector<double>& ascending) {
    std::vector<TieBlock> ties;
    const std::size_t m = ascending.size();
    for (std::size_t t = 0; t < m;) {
        std::size_t e = t + 1;
        while (e < m && ascending[e] == ascending[t]) ++e;
        if (e - t > 1)
            ties.push_back({static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(e)});
        t = e;
    }
    return ties;
}

}  // namespace

RankedPairs rank_pairs(const PairDissimilarities& d) {
    const std::size_t m = d.values.size();
    std::vector<Ranked> ranked(m);
    for (std::size_t p = 0; p < m; ++p) ranked[p] = {d.values[p], static_cast<std::uint32_t>(p)};
    std::sort(ranked.begin(), ranked.end());
    const std::vector<PairCode> codes = pair_codes(d.objects);
    RankedPairs r;
    r.objects = d.objects;
    r.pair.resize(m);
    r.dissimilarity.resize(m);
    for (std::size_t t = 0; t < m; ++t) {
        r.pair[t] = codes[ranked[t].place];
        r.dissimilarity[t] = ranked[t].value;
    }
    r.ties = tie_blocks(r.dissimilarity);
    return r;
}

}  // namespace tw
