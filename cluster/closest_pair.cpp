#include "cluster/closest_pair.h"

namespace tw {

namespace {

// The scan in its fixed order; `better` is the strict test of the measure's
// direction, so an equal later entry never displaces an earlier one.
template <class Better>
void scan(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed, std::int32_t n,
          Host& host, Better better, ClosestPair& found, bool& accepted) {
    for (std::int32_t i = 1; i < n; ++i) {
        if (absorbed[static_cast<std::size_t>(i)] != 0) continue;
        const float* row = m.row(i);
        for (std::int32_t j = i + 1; j <= n; ++j) {
            if (absorbed[static_cast<std::size_t>(j)] != 0) continue;
            const float v = row[j];
            if (better(v, found.level)) {
                found = {i, j, v};
                accepted = true;
                host.yield();
            }
        }
    }
}

}  // namespace

ClosestPair first_current_pair(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed,
                               std::int32_t n) {
    std::int32_t first = 0;
    for (std::int32_t x = 1; x <= n; ++x) {
        if (absorbed[static_cast<std::size_t>(x)] != 0) continue;
        if (first == 0) {
            first = x;
        } else {
            return {first, x, m(first, x)};
        }
    }
    return {};
}

ClosestPair find_closest_pair(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed,
                              std::int32_t n, Resemblance distance_flag, Host& host) {
    ClosestPair found;
    bool accepted = false;
    if (distance_flag == Resemblance::Distance) {
        found.level = 1e30f;
        scan(
            m, absorbed, n, host, [](float v, float best) { return v < best; }, found, accepted);
    } else {
        found.level = -1e30f;
        scan(
            m, absorbed, n, host, [](float v, float best) { return v > best; }, found, accepted);
    }
    return accepted ? found : first_current_pair(m, absorbed, n);
}

}  // namespace tw
