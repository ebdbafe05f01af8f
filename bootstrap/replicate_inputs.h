#pragma once
// A private copy of what a bootstrap replicate reads from the run, for a
// thread that runs replicates beside the window thread. The replicate also
// writes the program-wide ResampleRetries and PoorFitWarned; in the copy
// those writes stay away from the window thread's run.

#include "run/run_context.h"

namespace tw {

// Copies everything a replicate reads (ReplicateInputs, run_context.h) of
// `from` into `to`. No channel is
// open in `to`, and its average-matrix flag is off: the observed run has
// written that file already.
void copy_replicate_inputs(const RunContext& from, RunContext& to);

}  // namespace tw
