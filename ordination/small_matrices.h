#pragma once
// The few-by-few matrix work of an ordination (k axes, k at most 3): an
// eigen-decomposition and a singular value decomposition by Jacobi
// rotations, which are exact enough and need no library at this size.

#include <array>
#include <cstdint>

namespace tw {

inline constexpr std::int32_t kMaxAxes = 3;
using SmallMatrix = std::array<std::array<double, kMaxAxes>, kMaxAxes>;

struct SmallEigen {
    std::array<double, kMaxAxes> values{};  // largest first
    SmallMatrix vectors{};                  // column c belongs to values[c]
};
// The symmetric k x k matrix `m`.
SmallEigen symmetric_eigen(SmallMatrix m, std::int32_t k);

struct SmallSvd {
    SmallMatrix u{}, v{};              // m = u * diag(s) * v'
    std::array<double, kMaxAxes> s{};  // not negative
};
SmallSvd singular_values(const SmallMatrix& m, std::int32_t k);

}  // namespace tw
