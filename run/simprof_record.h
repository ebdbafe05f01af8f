#pragma once
// What the similarity profile test found at each linkage of the observed
// hierarchy: kept with the run so that the windows and the exports can show
// it beside the cluster identifiers it produced.

#include <cstdint>

namespace tw {

enum class ProfileVerdict {
    NotReached,      // inside a group: a linkage above it was not significant
    TooFewObjects,   // two objects: their profile is one value, nothing to test
    Significant,     // the objects under it have structure: its two sides separate
    NotSignificant,  // no evidence of structure: everything under it is one group
};

struct ProfileLinkRecord {
    ProfileVerdict verdict = ProfileVerdict::NotReached;
    std::int32_t objects = 0;   // objects under the linkage
    float pi = 0.0f;            // departure of the real profile from the mean profile
    float p = 0.0f;             // share of profiles departing at least as far
    std::int32_t as_large = 0;  // null permutations with pi at least the real one
};

}  // namespace tw
