#pragma once
// Runs the resemblance stage on a few objects given as rows of abundances.

#include <cstdint>
#include <string>
#include <vector>

#include "resemblance/measure.h"
#include "resemblance/resemblance.h"
#include "run/run_context.h"
#include "support/resemblance_kind.h"
#include "support/scripted_host.h"

namespace tw::test {

using Rows = std::vector<std::vector<float>>;

inline Matrix<float> objects(const Rows& rows) {
    const auto n = static_cast<std::int32_t>(rows.size());
    const auto s = static_cast<std::int32_t>(rows.empty() ? 0 : rows.front().size());
    Matrix<float> x(n, s);
    for (std::int32_t j = 1; j <= n; ++j)
        for (std::int32_t i = 1; i <= s; ++i)
            x(j, i) = rows[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(i - 1)];
    return x;
}

// One context and host kept across calls, so that a test can follow an
// observed run with its replicates.
struct ResemblanceRun {
    ScriptedHost host;
    RunContext ctx;
    Workspace w;
    MeasureArrays arrays;

    RoutineExit run(std::int16_t measure, const Rows& rows, RunMode run_mode = RunMode::Observed) {
        return run(measure, objects(rows), run_mode);
    }
    RoutineExit run(std::int16_t measure, const Matrix<float>& x,
                    RunMode run_mode = RunMode::Observed) {
        ctx.MeasureIndex = Measure{measure};
        ctx.NumVars = static_cast<std::int16_t>(x.last_col());
        return compute_resemblance(ctx, host, w, arrays, x, x.last_row(), run_mode);
    }
    float at(std::int32_t j, std::int32_t k) const { return w.SimMatrix(j, k); }
    const std::string& messages() const { return host.message_area.history; }
};

}  // namespace tw::test
