#include "export/level_conversion.h"

#include <algorithm>
#include <cmath>

#include "export/number_text.h"

namespace tw {

LevelConversion LevelConversion::for_levels(const std::vector<float>& levels, bool distance) {
    float base = distance ? 0.0f : 1.0f;
    for (float level : levels) {
        if (!std::isfinite(level)) continue;
        base = distance ? std::min(base, level) : std::max(base, level);
    }
    return LevelConversion(distance, base);
}

std::string LevelConversion::description() const {
    if (distance_) {
        if (base_ == 0.0f) return "level";
        return "level + " + shortest_text(-base_);
    }
    return shortest_text(base_) + " - level";
}

}  // namespace tw
