#pragma once
// The resemblance-and-clustering routine: resemblance, clustering, linkage
// report, CLUSTER.LST and dendrogram in one call.

#include <cstdint>
#include <string>
#include <vector>

#include "resemblance/resemblance.h"
#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"
#include "run/run_mode.h"

namespace tw {

// RunMode::Observed: reads the linkage options from ctx.settings,
// writes the report text, CLUSTER.LST and the dendrogram, and copies
// w.DistanceFlag to ctx.DistanceFlag. RunMode::Replicate: the same
// arithmetic, records into `links`, writes and draws nothing.
// `labels` are the object labels (GroupLabel in the observed run);
// `measure_arrays` are the measure's working arrays (compute_resemblance).
// Throws RunError when n exceeds kMaxObjects or CLUSTER.LST cannot be
// created; nothing is clustered then.
RoutineExit resemble_and_cluster(RunContext& ctx, Host& host, Workspace& w,
                                 MeasureArrays& measure_arrays, const Matrix<float>& x,
                                 std::int32_t n, RunMode run_mode, LinkArrays links,
                                 const std::vector<std::string>& labels);

}  // namespace tw
