#include "resemblance/log_series.h"

#include <cmath>

namespace tw {

namespace {

// ln(1 + ratio) with 1 + ratio formed in single precision, as the estimate
// holds it.
float ln_one_plus(float ratio) {
    const float arg = 1.0f + ratio;
    return static_cast<float>(std::log(static_cast<double>(arg)));
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
        alpha = s / ln_one_plus(g / prev);
        host.yield();
        if (std::fabs(alpha - prev) <= 1e-6f) break;
        if (alpha == before_prev) break;
        before_prev = prev;
    }
    return alpha;
}

float log_series_species(float alpha, float individuals) {
    return alpha * ln_one_plus(individuals / alpha);
}

}  // namespace tw
