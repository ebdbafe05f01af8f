#pragma once
// The first stage of an observed analysis: the settings taken, the input
// read and averaged, the report header written. The hand-over to the
// resemblance-and-clustering routine is above this folder
// (cluster/observed_run.h).

#include "run/host.h"
#include "run/measure_index.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Everything before the hand-over to the resemblance-and-clustering routine:
// returns Completed with the report header written and the windows hidden,
// or Abandoned when the heterogeneity-ratio question was answered Yes.
// Throws ProgramEnd and RunError; run_analysis (cluster/observed_run.h) is
// the guarded form.
// `chosen` is the measure of the linkage window (measure_choice in
// resemblance/measure.h).
Outcome prepare_observed_run(RunContext& ctx, Host& host, const MeasureChoice& chosen);

}  // namespace tw
