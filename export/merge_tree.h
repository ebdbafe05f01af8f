#pragma once
// The observed hierarchy as a list of merges, numbered the way scipy numbers
// a linkage matrix: nodes 0..n-1 are the groups in data order, node n + i is
// the cluster formed at linkage i + 1. Both tree exports are written from
// this one list.

#include <cstdint>
#include <vector>

#include "run/run_context.h"

namespace tw {

struct Merge {
    std::int32_t left = 0;      // node of the LinkI side (report's first MEMBERS column)
    std::int32_t right = 0;     // node of the LinkJ side
    float level = 0.0f;         // LinkLevel
    std::int32_t groups = 0;    // groups under the new node
    std::int32_t stations = 0;  // stations of the data file under it
};

// One merge per linkage 1..NumGroups-1, in fusion order. Reads the
// linkages' pairs from LinkPair once the test has copied them there,
// otherwise from the observed run's LinkI and LinkJ.
std::vector<Merge> merges_of_run(const RunContext& ctx);

// The representative groups joined at linkage `link`, as the report lists them.
std::int32_t link_left(const RunContext& ctx, std::int32_t link);
std::int32_t link_right(const RunContext& ctx, std::int32_t link);

}  // namespace tw
