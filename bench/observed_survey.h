#pragma once
// A made-up survey taken through the observed run, as the tests' benchmarks
// start from it: the data model as the run driver leaves it before a test.

#include <cstdint>
#include <functional>

#include "run/host.h"
#include "run/run_context.h"

namespace tw::bench {

struct SurveyShape {
    std::int32_t groups = 0;
    std::int32_t stations_per_group = 1;
    std::int16_t species = 0;
};

// Sizes `ctx` for `shape`, lets `fill` write the counts into
// ctx.DataMatrix (stations 1..groups x stations_per_group, in group order),
// averages the groups, builds the hierarchy (Bray-Curtis, UPGMA) and opens
// the report.
void observed_survey(RunContext& ctx, Host& host, const SurveyShape& shape,
                     const std::function<void(RunContext&)>& fill);

}  // namespace tw::bench
