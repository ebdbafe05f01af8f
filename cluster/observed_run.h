#pragma once
// One observed analysis, from the confirmed resemblance-and-linkage window
// to the drawn dendrogram: the run driver's first stage, then the
// resemblance-and-clustering routine for the observed run.

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Reads ctx.settings (filled from the windows), re-creates the run's data,
// reads the input file, averages and transforms, writes the report header
// and runs the resemblance-and-clustering routine for the observed run.
//
// Never throws: a "No" ends the program (Outcome::Ended), a file that cannot
// be read or written is shown as one message (Outcome::Failed, nothing of the
// run written when the input is at fault), and going back to choose another
// measure returns Outcome::Abandoned with Form2 shown.
Outcome run_analysis(RunContext& ctx, Host& host);

}  // namespace tw
