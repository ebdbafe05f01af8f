#pragma once
// The format check of a data file without its window: every press of Read /
// Continue made in turn, every fault answered Yes so that the check goes on
// and lists them all, each with the line it was found on.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/quiet_host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw::batch {

struct FormatFault {
    std::int32_t line = 0;  // the line of the data file being examined
    std::string title;      // the kind of line, e.g. "Title Line Error"
    std::string text;       // the checker's message
};

struct FormatCheckResult {
    Outcome outcome = Outcome::Completed;  // Failed when the file cannot be opened
    std::vector<FormatFault> faults;
};

// Leaves ctx.ReplicateSequenceText as the check saw it, for the report header.
FormatCheckResult run_format_check(RunContext& ctx, QuietHost& host, const std::string& data_file);

// "lake.txt:5: Title Line Error: missing quote at end of line"
std::string fault_line(const std::string& data_file, const FormatFault& fault);

}  // namespace tw::batch
