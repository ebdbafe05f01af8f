#include "simprof/profile_statistics.h"

#include <cmath>

namespace tw {

void add_profile(const std::vector<float>& profile, std::vector<double>& sums) {
    for (std::size_t i = 0; i < profile.size(); ++i) sums[i] += profile[i];
}

std::vector<double> mean_profile(const std::vector<double>& sums, std::int32_t count) {
    std::vector<double> mean(sums.size());
    for (std::size_t i = 0; i < sums.size(); ++i) mean[i] = sums[i] / count;
    return mean;
}

double profile_pi(const std::vector<float>& profile, const std::vector<double>& mean) {
    double pi = 0.0;
    for (std::size_t i = 0; i < profile.size(); ++i) pi += std::fabs(profile[i] - mean[i]);
    return pi;
}

float profile_p(std::int32_t as_large, std::int32_t null_count) {
    return static_cast<float>(as_large + 1) / static_cast<float>(null_count + 1);
}

}  // namespace tw
