#pragma once
// The report sink's name and the header every report starts with.

#include <string>

#include "run/measure_index.h"
#include "run/printer.h"
#include "run/run_context.h"
#include "run/run_settings.h"

namespace tw {

// The name the report sink is opened under: the screen or printer device, or
// the output file named on the options window.
std::string report_target(const RunSettings& settings);

// Writes the report header to `report` and sets ctx.MeasureIndex from the
// chosen measure (kept when none is chosen) and ctx.NumBoot from the
// bootstrap-count box.
void write_report_header(RunContext& ctx, Printer& report, const MeasureChoice& chosen);

}  // namespace tw
