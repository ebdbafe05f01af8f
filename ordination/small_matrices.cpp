#include "ordination/small_matrices.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tw {

namespace {

constexpr int kSweeps = 60;

}  // namespace

SmallEigen symmetric_eigen(SmallMatrix m, std::int32_t k) {
    SmallMatrix v{};
    for (std::int32_t i = 0; i < k; ++i) v[at(i)][at(i)] = 1;
    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        double off = 0;
        for (std::int32_t p = 0; p < k; ++p)
            for (std::int32_t q = p + 1; q < k; ++q) off += m[at(p)][at(q)] * m[at(p)][at(q)];
        if (off < 1e-30) break;
        for (std::int32_t p = 0; p < k; ++p) {
            for (std::int32_t q = p + 1; q < k; ++q) {
                const std::size_t P = at(p), Q = at(q);
                if (m[P][Q] == 0) continue;
                const double theta = (m[Q][Q] - m[P][P]) / (2 * m[P][Q]);
                const double t = (theta >= 0 ? 1 : -1) / (std::abs(theta) + std::hypot(theta, 1));
                const double c = 1 / std::hypot(t, 1), s = t * c;
                for (std::size_t r = 0; r < at(k); ++r) {
                    const double a = m[r][P], b = m[r][Q];
                    m[r][P] = c * a - s * b;
                    m[r][Q] = s * a + c * b;
                }
                for (std::size_t r = 0; r < at(k); ++r) {
                    const double a = m[P][r], b = m[Q][r];
                    m[P][r] = c * a - s * b;
                    m[Q][r] = s * a + c * b;
                }
                for (std::size_t r = 0; r < at(k); ++r) {
                    const double a = v[r][P], b = v[r][Q];
                    v[r][P] = c * a - s * b;
                    v[r][Q] = s * a + c * b;
                }
            }
        }
    }
    // Largest eigenvalue first (an insertion sort: k is at most 3).
    std::array<std::int32_t, kMaxAxes> order{0, 1, 2};
    for (std::int32_t a = 1; a < k; ++a)
        for (std::int32_t b = a; b > 0 && m[at(order[at(b)])][at(order[at(b)])] >
                                              m[at(order[at(b - 1)])][at(order[at(b - 1)])];
             --b)
            std::swap(order[at(b)], order[at(b - 1)]);
    SmallEigen out;
    for (std::int32_t c = 0; c < k; ++c) {
        const std::size_t from = at(order[at(c)]);
        out.values[at(c)] = m[from][from];
        for (std::size_t r = 0; r < at(k); ++r) out.vectors[r][at(c)] = v[r][from];
    }
    return out;
}

// One-sided Jacobi: rotate the columns of m until they are orthogonal; the
// rotations make v, the column lengths s and the normalised columns u.
SmallSvd singular_values(const SmallMatrix& m, std::int32_t k) {
    SmallMatrix a = m;
    SmallSvd out;
    for (std::int32_t i = 0; i < k; ++i) out.v[at(i)][at(i)] = 1;
    for (int sweep = 0; sweep < kSweeps; ++sweep) {
        bool turned = false;
        for (std::int32_t p = 0; p < k; ++p) {
            for (std::int32_t q = p + 1; q < k; ++q) {
                const std::size_t P = at(p), Q = at(q);
                double alpha = 0, beta = 0, gamma = 0;
                for (std::size_t r = 0; r < at(k); ++r) {
                    alpha += a[r][P] * a[r][P];
                    beta += a[r][Q] * a[r][Q];
                    gamma += a[r][P] * a[r][Q];
                }
                if (std::abs(gamma) <= 1e-15 * std::sqrt(alpha * beta)) continue;
                turned = true;
                const double zeta = (beta - alpha) / (2 * gamma);
                const double t = (zeta >= 0 ? 1 : -1) / (std::abs(zeta) + std::hypot(zeta, 1));
                const double c = 1 / std::hypot(t, 1), s = t * c;
                for (std::size_t r = 0; r < at(k); ++r) {
                    const double x = a[r][P], y = a[r][Q];
                    a[r][P] = c * x - s * y;
                    a[r][Q] = s * x + c * y;
                    const double vx = out.v[r][P], vy = out.v[r][Q];
                    out.v[r][P] = c * vx - s * vy;
                    out.v[r][Q] = s * vx + c * vy;
                }
            }
        }
        if (!turned) break;
    }
    for (std::size_t c = 0; c < at(k); ++c) {
        double norm = 0;
        for (std::size_t r = 0; r < at(k); ++r) norm += a[r][c] * a[r][c];
        norm = std::sqrt(norm);
        out.s[c] = norm;
        for (std::size_t r = 0; r < at(k); ++r) out.u[r][c] = norm > 0 ? a[r][c] / norm : 0;
    }
    return out;
}

}  // namespace tw
