#pragma once
// What tarnwick-batch tells the shell: the program's one list of exit
// statuses (run/exit_status.h), under the name the batch command uses.

#include "run/exit_status.h"

namespace tw::batch {

using ExitCode = ExitStatus;
using tw::exit_status;

}  // namespace tw::batch
