#pragma once
// P of a bootstrap-tested linkage, shared by the verdicts of the test loop
// (SIG and SIGLIST.TXT), the results table and the test's result.

#include <cstdint>

#include "run/link_result.h"

namespace tw {

// P of a linkage: the share of its NumBoot replicates whose final level met
// or passed the observed one, in single precision. The untested markers
// (kUntestableLink, kNestedLink) are negative and give a negative P, which
// is_significant never takes.
inline float bootstrap_p(float link_stat, std::int32_t num_boot) {
    return link_stat / static_cast<float>(num_boot);
}

}  // namespace tw
