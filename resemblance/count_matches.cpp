#include "resemblance/count_matches.h"

namespace tw {

MatchTable CountMatches(const Matrix<float>& x, std::int32_t j, std::int32_t k,
                        std::int16_t species, Host& host) {
    const float* first = x.row(j);
    const float* second = x.row(k);
    // Counted as whole numbers (at most 32767, exact in single precision)
    // and indexed rather than branched on, since presence patterns are
    // unpredictable; cell = 2 * (present at j) + (present at k).
    std::int32_t cells[4] = {0, 0, 0, 0};
    for (std::int32_t i = 1; i <= species; ++i) {
        const int at_j = first[i] > 0.0f ? 1 : 0;
        const int at_k = second[i] > 0.0f ? 1 : 0;
        ++cells[2 * at_j + at_k];
        host.yield();
    }
    MatchTable t;
    t.a = static_cast<float>(cells[3]);
    t.b = static_cast<float>(cells[1]);
    t.c = static_cast<float>(cells[2]);
    t.d = static_cast<float>(cells[0]);
    return t;
}

}  // namespace tw
