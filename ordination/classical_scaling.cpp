#include "ordination/classical_scaling.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ordination/small_matrices.h"

namespace tw {

namespace {

// Enough for a start: the scaling moves it on, and on a few thousand
// objects each iteration is a pass over every pair.
constexpr int kIterations = 30;

using Block = std::vector<double>;  // n x k, point by point

void centre_columns(Block& v, std::int32_t n, std::int32_t k) {
    for (std::int32_t a = 0; a < k; ++a) {
        double mean = 0;
        for (std::int32_t i = 0; i < n; ++i) mean += v[at(i * k + a)];
        mean /= n;
        for (std::int32_t i = 0; i < n; ++i) v[at(i * k + a)] -= mean;
    }
}

// (B + shift I) v, with B = -1/2 J D^2 J and J the centring matrix.
Block times_b(const RankedPairs& pairs, Block v, std::int32_t k, double shift) {
    const std::int32_t n = pairs.objects;
    centre_columns(v, n, k);
    Block out(v.size(), 0.0);
    for (std::size_t t = 0; t < pairs.size(); ++t) {
        const double sq = pairs.dissimilarity[t] * pairs.dissimilarity[t];
        const std::size_t i = first_object(pairs.pair[t]) * at(k);
        const std::size_t j = second_object(pairs.pair[t]) * at(k);
        for (std::size_t a = 0; a < at(k); ++a) {
            out[i + a] += sq * v[j + a];
            out[j + a] += sq * v[i + a];
        }
    }
    centre_columns(out, n, k);
    for (std::size_t e = 0; e < out.size(); ++e) out[e] = -0.5 * out[e] + shift * v[e];
    return out;
}

// Gram-Schmidt on the columns.
void orthonormalise(Block& v, std::int32_t n, std::int32_t k) {
    for (std::int32_t a = 0; a < k; ++a) {
        for (std::int32_t b = 0; b < a; ++b) {
            double dot = 0;
            for (std::int32_t i = 0; i < n; ++i) dot += v[at(i * k + a)] * v[at(i * k + b)];
            for (std::int32_t i = 0; i < n; ++i) v[at(i * k + a)] -= dot * v[at(i * k + b)];
        }
        double norm = 0;
        for (std::int32_t i = 0; i < n; ++i) norm += v[at(i * k + a)] * v[at(i * k + a)];
        norm = std::sqrt(norm);
        for (std::int32_t i = 0; i < n; ++i)
            v[at(i * k + a)] = norm > 0 ? v[at(i * k + a)] / norm : 0;
    }
}

// A fixed, spread-out first guess: the iteration must not depend on a seed.
Block first_guess(std::int32_t n, std::int32_t k) {
    Block v(at(n) * at(k));
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t a = 0; a < k; ++a)
            v[at(i * k + a)] = std::sin((i + 1) * (a + 1.618) * 0.731);
    return v;
}

Block subspace_iteration(const RankedPairs& pairs, std::int32_t k, double shift) {
    const std::int32_t n = pairs.objects;
    Block v = first_guess(n, k);
    orthonormalise(v, n, k);
    for (int it = 0; it < kIterations; ++it) {
        v = times_b(pairs, std::move(v), k, shift);
        orthonormalise(v, n, k);
    }
    return v;
}

}  // namespace

Configuration classical_scaling(const RankedPairs& pairs, std::int32_t dimensions) {
    const std::int32_t n = pairs.objects, k = dimensions;
    // B may have negative eigenvalues larger than its positive ones when the
    // dissimilarities are far from Euclidean; shifting by the largest of
    // them keeps the iteration on the positive end.
    const Block lead = subspace_iteration(pairs, 1, 0.0);
    const Block image = times_b(pairs, lead, 1, 0.0);
    double lambda = 0;
    for (std::size_t e = 0; e < lead.size(); ++e) lambda += lead[e] * image[e];
    const double shift = lambda < 0 ? -lambda : 0.0;

    Block v = subspace_iteration(pairs, k, shift);
    const Block bv = times_b(pairs, v, k, 0.0);
    SmallMatrix h{};
    for (std::int32_t a = 0; a < k; ++a)
        for (std::int32_t b = 0; b < k; ++b)
            for (std::int32_t i = 0; i < n; ++i)
                h[at(a)][at(b)] += v[at(i * k + a)] * bv[at(i * k + b)];
    const SmallEigen e = symmetric_eigen(h, k);
    Configuration c(n, k);
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t a = 0; a < k; ++a) {
            double x = 0;
            for (std::int32_t b = 0; b < k; ++b) x += v[at(i * k + b)] * e.vectors[at(b)][at(a)];
            c.at(i, a) = x * std::sqrt(std::max(e.values[at(a)], 0.0));
        }
    return c;
}

}  // namespace tw
