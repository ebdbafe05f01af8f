#include "resemblance/partner_blocks.h"

namespace tw {

SpeciesColumns::SpeciesColumns(const Matrix<float>& x, std::int32_t n, std::int16_t species,
                               std::vector<float>& storage)
    : stride_(static_cast<std::size_t>(n < 0 ? 0 : n) + kMaxPartners - 1) {
    storage.assign(static_cast<std::size_t>(species < 0 ? 0 : species) * stride_, 0.0f);
    for (std::int32_t k = 1; k <= n; ++k) {
        const float* row = x.row(k);
        for (std::int32_t s = 1; s <= species; ++s)
            storage[static_cast<std::size_t>(s - 1) * stride_ + static_cast<std::size_t>(k - 1)] =
                row[s];
    }
    data_ = storage.data();
}

}  // namespace tw
