#pragma once
// Replicate groups and the average abundance matrix.

#include <cstdint>
#include <string>
#include <vector>

#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"
#include "run/run_mode.h"

namespace tw {

// Working arrays of the averaging step. A caller that averages again and
// again (a bootstrap replicate) keeps them, so that its calls allocate
// nothing once the arrays have grown.
struct AveragingBuffers {
    std::vector<std::int32_t> map_row;  // the group map's row, listed once per call
    std::vector<std::int32_t> sizes;    // data rows averaged per group position
    std::vector<float> sums;            // per species, of the current group
};

// Average, for each group g = 1..num_groups, the next group-size rows of
// `data` into row g of `out` (re-created by the caller), transform the
// means (after standardising them to the group's total when
// ctx.StandardiseFlag is set) by ctx.TransformCode, and label each group in `group_label`.
// The group size is ctx.RepCount(g) in the observed run, and in a replicate
// the RepCount of the g-th member of linkage `map_row` of `group_map`. With
// ctx.PrintAvgFlag set the average-matrix file (ctx.settings.average_file)
// is written and the flag cleared.
void average_groups(RunContext& ctx, Host& host, std::int32_t num_groups, Matrix<float>& out,
                    const Matrix<float>& data, std::vector<std::string>& group_label,
                    std::int32_t map_row, const MemberLists& group_map, RunMode run_mode,
                    AveragingBuffers& buffers);

// The same with working arrays of its own, for a single call.
void average_groups(RunContext& ctx, Host& host, std::int32_t num_groups, Matrix<float>& out,
                    const Matrix<float>& data, std::vector<std::string>& group_label,
                    std::int32_t map_row, const MemberLists& group_map, RunMode run_mode);

}  // namespace tw
