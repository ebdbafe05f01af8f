#pragma once
// The one rule that makes a linkage significant, shared by the verdicts of
// the test loop (SIG and SIGLIST.TXT) and the P column of the results.

#include <cstdint>

namespace tw {

// P of a linkage: the share of its NumBoot replicates whose final level met
// or passed the observed one, in single precision. The untested markers
// (kUntestableLink, kNestedLink) are negative and give a negative P.
inline float bootstrap_p(float link_stat, std::int32_t num_boot) {
    return link_stat / static_cast<float>(num_boot);
}

// Significant when 0 <= P <= alpha: a negative P is a linkage that was not
// tested, and a P or alpha that is not a number is never significant.
inline bool significant(float p, float alpha) {
    return 0.0f <= p && p <= alpha;
}

}  // namespace tw
