#pragma once
// The 2x2 table of presences of two objects over the species. A species is
// present at an object when its value is greater than 0; zero and negative
// values count as absent.

#include <cstdint>

#include "run/host.h"
#include "run/matrix.h"

namespace tw {

struct MatchTable {
    float a = 0.0f;  // present at j and at k
    float b = 0.0f;  // absent at j, present at k
    float c = 0.0f;  // present at j, absent at k
    float d = 0.0f;  // absent at both
};

// The table of rows j and k of x over species 1..species (all zeros when
// species < 1); yields after each species.
MatchTable CountMatches(const Matrix<float>& x, std::int32_t j, std::int32_t k,
                        std::int16_t species, Host& host);

}  // namespace tw
