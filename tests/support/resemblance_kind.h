#pragma once
// Which way a matrix points, as test tables and failure messages write it.

#include <ostream>

#include "run/measure_index.h"

namespace tw {

namespace test {
inline constexpr Resemblance kDistance = Resemblance::Distance;
inline constexpr Resemblance kSimilarity = Resemblance::Similarity;
}  // namespace test

inline std::ostream& operator<<(std::ostream& os, Resemblance kind) {
    return os << (kind == Resemblance::Distance ? "distance" : "similarity");
}

}  // namespace tw
