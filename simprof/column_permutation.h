#pragma once
// The null hypothesis of the similarity profile test: no structure among the
// objects, so each species' values could have fallen on any of them. A
// permuted set shuffles every species column on its own among the objects
// (Clarke, Somerfield & Gorley 2008), keeping each species' values and
// breaking the associations between species that make communities.

#include <cstdint>

#include "bootstrap/random_source.h"
#include "run/matrix.h"

namespace tw {

// Shuffles rows 1..m of each column 1..species of `x` independently, every
// order equally likely (Fisher-Yates, last row first), drawing from `stream`.
void permute_within_columns(Matrix<float>& x, std::int32_t m, std::int16_t species,
                            RandomSource& stream);

// A uniform whole number in 0..bound-1 from a draw r in [0, 1).
inline std::int32_t uniform_below(double r, std::int32_t bound) {
    const auto k = static_cast<std::int32_t>(r * bound);
    return k < bound ? k : bound - 1;
}

}  // namespace tw
