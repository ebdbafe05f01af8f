#include "cluster/observed_run.h"

#include "cluster/routine.h"
#include "resemblance/measure.h"
#include "run/entry_point.h"
#include "run/run_driver.h"

namespace tw {

namespace {

// The routine's abandon exit (a poor log-series fit answered No) has closed
// every file; the options window comes back so that the data can be re-run,
// for instance with a multiplying constant. The resample exit belongs to
// bootstrap replicates only.
Outcome hand_over(RunContext& ctx, Host& host) {
    // Nothing after the resemblance stage reads the measure's own arrays.
    MeasureArrays measure_arrays;
    const RoutineExit exit = resemble_and_cluster(
        ctx, host, ctx.work, measure_arrays, ctx.AvgMatrix, ctx.NumGroups, RunMode::Observed,
        LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, ctx.GroupLabel);
    if (exit == RoutineExit::Abandoned) {
        host.show(Window::Options, true);
        return Outcome::Abandoned;
    }
    ctx.Stage = RunStage::AwaitingBootstrap;
    return Outcome::Completed;
}

}  // namespace

Outcome run_analysis(RunContext& ctx, Host& host) {
    return run_guarded(ctx, host, [&] {
        const Outcome prepared =
            prepare_observed_run(ctx, host, measure_choice(ctx.settings.measure));
        if (prepared != Outcome::Completed) return prepared;
        return hand_over(ctx, host);
    });
}

}  // namespace tw
