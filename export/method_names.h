#pragma once
// The measure and the linkage method of a run by the names a paper uses.

#include <string>

#include "run/run_context.h"

namespace tw {

struct MeasureOfRun {
    std::string name;  // e.g. "Bray-Curtis coefficient"
    bool distance = false;
    // "distance" or "similarity", as the clustering used it.
    std::string kind() const { return distance ? "distance" : "similarity"; }
};

// The measure chosen in the linkage window, and whether the clustering
// treated it as a distance (read from the run itself, not from the measure's
// name).
MeasureOfRun measure_of_run(const RunContext& ctx);

// The linkage method of the run, e.g. "UPGMA" or "single linkage".
std::string linkage_name(const RunContext& ctx);

}  // namespace tw
