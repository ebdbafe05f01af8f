#include "resemblance/resemblance.h"

#include <string>

#include "resemblance/bray_curtis.h"
#include "resemblance/correlation.h"
#include "resemblance/euclidean.h"
#include "resemblance/heterogeneity_ratio.h"
#include "resemblance/measure.h"
#include "resemblance/measure_input.h"
#include "resemblance/presence_absence.h"
#include "resemblance/row_threads.h"
#include "run/outcome.h"

namespace tw {

namespace {

// The measures read rows 1..n and columns 1..NumVars of x directly; a caller
// handing in a smaller matrix is a fault in the program, not in the data.
void check_sizes(const Matrix<float>& x, std::int32_t n, std::int16_t species) {
    if (n < 0 || x.last_row() < n || (n > 0 && x.last_col() < species)) {
        throw RunError("Resemblance Error",
                       "The data matrix holds " + std::to_string(x.last_row()) + " rows of " +
                           std::to_string(x.last_col()) + " species, but " + std::to_string(n) +
                           " rows of " + std::to_string(species) + " species were to be compared.");
    }
}

// Every measure fills the whole upper triangle before anything reads it, so a
// matrix of the right size is reused as it stands: a bootstrap test runs this
// stage once per replicate.
void fit_matrices(Workspace& w, std::int32_t n) {
    w.SimMatrix.fit(n, n);
    w.Absorbed.assign(static_cast<std::size_t>(n) + 1, 0);
    w.ClusterSize.assign(static_cast<std::size_t>(n) + 1, 0);
}

}  // namespace

RoutineExit compute_resemblance(RunContext& ctx, Host& host, Workspace& w, MeasureArrays& arrays,
                                const Matrix<float>& x, std::int32_t n, RunMode run_mode) {
    const std::int16_t species = ctx.NumVars;
    check_sizes(x, n, species);
    fit_matrices(w, n);
    if (run_mode == RunMode::Observed) {
        host.show(Window::Options, true);
        host.messages().clear();
        ctx.PoorFitWarned = false;
    }
    MeasureInput in{host, x, n, species, run_mode};
    // Replicates are small and already run side by side on every core.
    if (run_mode == RunMode::Observed)
        in.threads = resemblance_threads(ctx.settings.resemblance_threads, n,
                                         ctx.settings.resemblance_thread_min_objects);
    switch (ctx.MeasureIndex) {
        case Measure::BrayCurtis:
            return bray_curtis(in, w, arrays.species_columns, ctx.ResampleRetries);
        case Measure::Correlation:
            correlation(in, w, arrays.correlation);
            return RoutineExit::Normal;
        case Measure::HeterogeneityRatio:
            return heterogeneity_ratio(in, w, arrays.heterogeneity_ratio, ctx);
        case Measure::Jaccard:
        case Measure::SimpleMatching:
        case Measure::Dice:
        case Measure::Fager:
            presence_absence(in, w, ctx.MeasureIndex);
            return RoutineExit::Normal;
        case Measure::Euclidean:
            break;
    }
    // Euclidean distance, and any number outside the table.
    euclidean_distance(in, w, arrays.species_columns);
    return RoutineExit::Normal;
}

}  // namespace tw
