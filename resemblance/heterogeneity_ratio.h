#pragma once
// Heterogeneity ratio (H/R): how many species two objects hold together,
// relative to how many one log-series community would show in a sample of
// their pooled size. Near 1 for a homogeneous pair, larger for a
// heterogeneous one, so it is a distance. Requires positive object totals.

#include <cstdint>
#include <string>

#include "resemblance/measure_input.h"
#include "resemblance/resemblance.h"
#include "run/run_context.h"

namespace tw {

// The prompt of the question asked when objects j or k fit the log-series
// poorly (fewer individuals than species).
std::string poor_fit_message(std::int32_t j, std::int32_t k);

// Re-creates and fills w.StationTotal and w.SpeciesCount (entries 1..n per
// object, n+1 overall), fills the upper triangle of w.SimMatrix with the
// ratios and sets DistanceFlag 1.
// The first poor fit of a run (ctx.PoorFitWarned not set) is asked about;
// "Yes" adjusts that pair and every later one silently, "No" closes every
// open channel and returns Abandoned with only the pairs before it stored.
RoutineExit heterogeneity_ratio(const MeasureInput& in, Workspace& w, RunContext& ctx);

}  // namespace tw
