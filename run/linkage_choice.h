#pragma once
// The linkage methods a run can use. The run's data model only carries the
// choice; what is known of each method is in the linkage method table,
// cluster/linkage_method.h, and each rule's formula in cluster/update_rules.h.

#include <cstdint>

namespace tw {

// Numbered as the report's method box and LinkageIndex number them.
enum class LinkageMethod : std::int16_t {
    Single = 1,
    Complete = 2,
    WPGMA = 3,
    WPGMCentroid = 4,
    UPGMA = 5,
    UPGMCentroid = 6,
    MinimumVariance = 7,
};

}  // namespace tw
