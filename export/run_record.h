#pragma once
// PREFIX.run.json: the record of how a run's results were made, for a
// script or a reviewer: program version, when, the data file with its
// SHA-256, every setting of the options and linkage windows, the measure and
// linkage method by name, the counts, the bootstrap's replicates, alpha,
// seed and threads, the level conversion of the tree exports and a methods
// paragraph.

#include <chrono>
#include <string>

#include "export/level_conversion.h"
#include "ordination/run_ordination.h"
#include "run/run_context.h"

namespace tw {

// With `ordination`, the record also says how the ordination was made.
std::string run_record_json(const RunContext& ctx, const LevelConversion& conversion,
                            std::chrono::system_clock::time_point made,
                            const RunOrdination* ordination = nullptr);

// "2026-12-07T11:55:48Z"
std::string utc_timestamp(std::chrono::system_clock::time_point when);

}  // namespace tw
