#pragma once
// The resemblance stage: first half of the resemblance-and-clustering
// routine. Fills the upper triangle of w.SimMatrix (0..n by 0..n)
// with the measure ctx.MeasureIndex (resemblance/measure.h) over ctx.NumVars species of the rows
// 1..n of x, and sets w.DistanceFlag and w.MeasureName.

#include <cstdint>

#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"

namespace tw {

enum class RoutineExit {
    Normal,     // all pairs computed; clustering follows
    Resample,   // Bray-Curtis zero pair in a replicate: draw it again
    Abandoned,  // heterogeneity ratio poor fit answered "No": every file closed
};

RoutineExit compute_resemblance(RunContext& ctx, Host& host, Workspace& w, const Matrix<float>& x,
                                std::int32_t n, std::int16_t run_mode);

}  // namespace tw
