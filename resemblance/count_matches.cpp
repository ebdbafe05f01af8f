#include "resemblance/count_matches.h"

namespace tw {

MatchTable CountMatches(const Matrix<float>& x, std::int32_t j, std::int32_t k,
                        std::int16_t species, Host& host) {
    const float* first = x.row(j);
    const float* second = x.row(k);
    MatchTable t;
    for (std::int32_t i = 1; i <= species; ++i) {
        const bool at_j = first[i] > 0.0f;
        const bool at_k = second[i] > 0.0f;
        if (at_j && at_k) {
            t.a += 1.0f;
        } else if (at_k) {
            t.b += 1.0f;
        } else if (at_j) {
            t.c += 1.0f;
        } else {
            t.d += 1.0f;
        }
        host.yield();
    }
    return t;
}

}  // namespace tw
