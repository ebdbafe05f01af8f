#include "ordination/configuration.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>

#include "ordination/small_matrices.h"

namespace tw {

namespace {

// a' b of two configurations with the same axes.
SmallMatrix cross_product(const Configuration& a, const Configuration& b) {
    SmallMatrix m{};
    for (std::int32_t i = 0; i < a.objects; ++i)
        for (std::int32_t p = 0; p < a.dimensions; ++p)
            for (std::int32_t q = 0; q < b.dimensions; ++q)
                m[at(p)][at(q)] += a.at(i, p) * b.at(i, q);
    return m;
}

// Centred and scaled to unit sum of squares.
Configuration standardised(Configuration c) {
    centre(c);
    double ss = 0;
    for (double v : c.x) ss += v * v;
    if (ss > 0)
        for (double& v : c.x) v /= std::sqrt(ss);
    return c;
}

}  // namespace

double Configuration::distance(std::int32_t i, std::int32_t j) const {
    double s = 0;
    for (std::int32_t a = 0; a < dimensions; ++a) {
        const double d = at(i, a) - at(j, a);
        s += d * d;
    }
    return std::sqrt(s);
}

void centre(Configuration& c) {
    for (std::int32_t a = 0; a < c.dimensions; ++a) {
        double mean = 0;
        for (std::int32_t i = 0; i < c.objects; ++i) mean += c.at(i, a);
        mean /= std::max(c.objects, 1);
        for (std::int32_t i = 0; i < c.objects; ++i) c.at(i, a) -= mean;
    }
}

void rotate_to_principal_axes(Configuration& c) {
    const std::int32_t k = c.dimensions;
    const SmallEigen e = symmetric_eigen(cross_product(c, c), k);
    Configuration turned(c.objects, k);
    for (std::int32_t i = 0; i < c.objects; ++i)
        for (std::int32_t a = 0; a < k; ++a) {
            double v = 0;
            for (std::int32_t b = 0; b < k; ++b) v += c.at(i, b) * e.vectors[at(b)][at(a)];
            turned.at(i, a) = v;
        }
    for (std::int32_t a = 0; a < k; ++a) {
        std::int32_t far = 0;
        for (std::int32_t i = 1; i < c.objects; ++i)
            if (std::abs(turned.at(i, a)) > std::abs(turned.at(far, a))) far = i;
        if (c.objects > 0 && turned.at(far, a) < 0)
            for (std::int32_t i = 0; i < c.objects; ++i) turned.at(i, a) = -turned.at(i, a);
    }
    c.x = std::move(turned.x);
}

ProcrustesFit procrustes(const Configuration& a, const Configuration& b) {
    const Configuration x = standardised(a), y = standardised(b);
    const std::int32_t k = x.dimensions;
    const SmallSvd svd = singular_values(cross_product(x, y), k);
    double sum = 0;
    for (std::int32_t c = 0; c < k; ++c) sum += svd.s[at(c)];
    ProcrustesFit fit;
    fit.correlation = std::min(sum, 1.0);
    const double ss = std::max(0.0, 1 - sum * sum);
    fit.rmse = std::sqrt(ss / std::max(x.objects, 1));
    // y turned onto x: y * v * u', scaled by the sum of the singular values.
    for (std::int32_t i = 0; i < x.objects; ++i) {
        double r2 = 0;
        for (std::int32_t p = 0; p < k; ++p) {
            double v = 0;
            for (std::int32_t q = 0; q < k; ++q) {
                double rot = 0;
                for (std::int32_t c = 0; c < k; ++c)
                    rot += svd.v[at(q)][at(c)] * svd.u[at(p)][at(c)];
                v += y.at(i, q) * rot;
            }
            const double d = x.at(i, p) - sum * v;
            r2 += d * d;
        }
        fit.max_residual = std::max(fit.max_residual, std::sqrt(r2));
    }
    return fit;
}

}  // namespace tw
