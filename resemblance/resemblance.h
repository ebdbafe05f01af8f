#pragma once
// The resemblance stage: first half of the resemblance-and-clustering
// routine. Fills the upper triangle of w.SimMatrix (0..n by 0..n)
// with the measure ctx.MeasureIndex (resemblance/measure.h) over ctx.NumVars species of the rows
// 1..n of x, and sets w.DistanceFlag and w.MeasureName. The measure keeps
// its working arrays in its own member of `arrays`.

#include <cstdint>

#include "resemblance/measure_arrays.h"
#include "resemblance/routine_exit.h"
#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"
#include "run/run_mode.h"

namespace tw {

RoutineExit compute_resemblance(RunContext& ctx, Host& host, Workspace& w, MeasureArrays& arrays,
                                const Matrix<float>& x, std::int32_t n, RunMode run_mode);

}  // namespace tw
