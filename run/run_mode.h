#pragma once
// Which run the resemblance, clustering and averaging steps serve. The
// observed run reads the user's options, writes progress and keeps what it
// finds; a bootstrap replicate repeats the same steps quietly on a redrawn
// data set. The similarity profile test measures its permuted sets as a
// replicate does and, when that meets two empty objects under Bray-Curtis,
// again as the observed run does.

#include <cstdint>

namespace tw {

enum class RunMode : std::int16_t {
    Observed = 1,
    Replicate = 2,
};

}  // namespace tw
