#include "resemblance/log_series.h"

#include <cmath>

namespace tw {

namespace {

// numerator / ln(1 + ratio). The estimate is held in single precision, so
// 1 + ratio is formed in single precision; the logarithm and the quotient
// are taken in double and rounded once when the result is stored.
float over_ln_one_plus(float numerator, float ratio) {
    const float arg = 1.0f + ratio;
    return static_cast<float>(static_cast<double>(numerator) / std::log(static_cast<double>(arg)));
}

}  // namespace

float log_series_alpha(float individuals, float species, Host& host) {
    const float g = individuals;
    const float s = species;
    const float gap = g - s;
    const float x = gap * gap / 3.0f / g / s;
    float alpha = s / (std::sqrt((x + 12.0f) * x) - x);
    float before_prev = std::nanf("");
    for (int step = 1; step <= kMaxAlphaSteps; ++step) {
        const float prev = alpha;
        alpha = over_ln_one_plus(s, g / prev);
        host.yield();
        if (std::fabs(alpha - prev) <= 1e-6f) break;
        // An infinite or undefined estimate (totals that are not numbers, or
        // no species at all) can never settle; it is returned as it is and
        // makes the pair's ratio undefined rather than holding up the run.
        if (!std::isfinite(alpha)) break;
        if (alpha == before_prev) break;
        before_prev = prev;
    }
    return alpha;
}

float log_series_species(float alpha, float individuals) {
    const double a = static_cast<double>(alpha);
    return static_cast<float>(a * std::log(static_cast<double>(1.0f + individuals / alpha)));
}

}  // namespace tw
