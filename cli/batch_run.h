#pragma once
// One whole analysis from the command line, in the order the windows run it:
// the format check (with --check), the observed run (Form3 "CONTINUE"), the
// bootstrap test (Form4 "Continue") and "Finish", then the outputs put in
// place together.

#include <ostream>

#include "cli/batch_options.h"
#include "cli/exit_codes.h"

namespace tw::batch {

struct BatchStreams {
    std::ostream& out;     // the report when it is named "-"
    std::ostream& err;     // messages and progress
    bool err_is_terminal;  // progress drawn as a bar rather than as lines
};

ExitCode run_batch(const BatchOptions& options, const BatchStreams& streams);

}  // namespace tw::batch
