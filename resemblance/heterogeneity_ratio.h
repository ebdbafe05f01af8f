#pragma once
// Heterogeneity ratio (H/R): how many species two objects hold together,
// relative to how many one log-series community would show in a sample of
// their pooled size. Near 1 for a homogeneous pair, larger for a
// heterogeneous one, so it is a distance. Requires positive object totals.

#include <cstdint>
#include <string>
#include <vector>

#include "resemblance/measure_input.h"
#include "resemblance/routine_exit.h"
#include "run/run_context.h"

namespace tw {

struct HeterogeneityRatioArrays {
    // 1..n: each object's; n+1: all objects together.
    std::vector<float> StationTotal;         // abundances summed
    std::vector<std::int32_t> SpeciesCount;  // species present
};

// The prompt of the question asked when objects j or k fit the log-series
// poorly (fewer individuals than species).
std::string poor_fit_message(std::int32_t j, std::int32_t k);

// Re-creates and fills a.StationTotal and a.SpeciesCount, fills the upper
// triangle of w.SimMatrix with the ratios and sets DistanceFlag 1.
// The first poor fit of a run (ctx.PoorFitWarned not set) is asked about;
// "Yes" adjusts that pair and every later one silently, "No" closes every
// open channel and returns Abandoned with only the pairs before it stored.
RoutineExit heterogeneity_ratio(const MeasureInput& in, Workspace& w, HeterogeneityRatioArrays& a,
                                RunContext& ctx);

}  // namespace tw
