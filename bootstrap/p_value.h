#pragma once
// The P value of a tested linkage and how precisely its replicates fix it.

#include <cmath>
#include <cstdint>

namespace tw {

// P as the verdict computes it: the count of replicates at or beyond the
// observed level over the replicates per linkage, in single precision.
inline float p_value(float count, std::int32_t replicates) {
    return count / static_cast<float>(replicates);
}

// The Monte-Carlo standard error of P, sqrt(P(1 - P) / replicates): how far
// another set of as many replicates would typically move it.
inline double p_standard_error(double p, std::int32_t replicates) {
    return replicates > 0 ? std::sqrt(p * (1.0 - p) / replicates) : 0.0;
}

// A verdict that more replicates could change: P within two standard errors
// of alpha.
inline bool p_uncertain(double p, double alpha, std::int32_t replicates) {
    return std::abs(p - alpha) <= 2.0 * p_standard_error(p, replicates);
}

}  // namespace tw
