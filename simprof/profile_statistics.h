#pragma once
// The statistic of the similarity profile test (Clarke, Somerfield & Gorley
// 2008, J. Exp. Mar. Biol. Ecol. 366:56-69): pi, the summed absolute
// departure of a profile from the mean profile expected without structure.

#include <cstdint>
#include <vector>

namespace tw {

// Adds `profile` entry by entry to `sums` (same length), in double so that
// a thousand profiles add up without losing their small differences.
void add_profile(const std::vector<float>& profile, std::vector<double>& sums);

// The mean profile: sums divided by the number of profiles added.
std::vector<double> mean_profile(const std::vector<double>& sums, std::int32_t count);

// pi = sum over i of |profile(i) - mean(i)|; both of the same length.
double profile_pi(const std::vector<float>& profile, const std::vector<double>& mean);

// The share of profiles departing at least as far as the real one, the real
// one counted among them: (as_large + 1) / (null_count + 1).
float profile_p(std::int32_t as_large, std::int32_t null_count);

}  // namespace tw
