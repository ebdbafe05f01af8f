#include "simprof/column_permutation.h"

#include <utility>

namespace tw {

void permute_within_columns(Matrix<float>& x, std::int32_t m, std::int16_t species,
                            RandomSource& stream) {
    for (std::int32_t s = 1; s <= species; ++s) {
        for (std::int32_t i = m; i > 1; --i) {
            const std::int32_t k = 1 + uniform_below(stream.next(), i);
            std::swap(x(i, s), x(k, s));
        }
    }
}

}  // namespace tw
