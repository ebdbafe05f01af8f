#pragma once
// One observed analysis, from the confirmed resemblance-and-linkage window
// to the drawn dendrogram.

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Reads ctx.settings (filled from the windows), re-creates the run's data,
// reads the input file, averages and transforms, writes the report header
// and runs the resemblance-and-clustering routine with run mode 1.
Outcome run_analysis(RunContext& ctx, Host& host);

}  // namespace tw
