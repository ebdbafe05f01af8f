#include "bootstrap/test_linkages.h"

#include "bootstrap/bootstrap_results.h"
#include "bootstrap/cluster_identifiers.h"
#include "bootstrap/parallel_replicates.h"
#include "bootstrap/results_pass.h"
#include "bootstrap/stopped_test.h"
#include "bootstrap/test_loop.h"
#include "bootstrap/test_settings.h"
#include "run/entry_point.h"
#include "run/number_format.h"

namespace tw {

namespace {

// A replicate's heterogeneity ratio could not be fitted and the user chose
// not to go on. The routine has already closed every file; nothing of the
// results is written, so no table or identifier can be mistaken for a
// finished test. The options window comes back for a new run.
void abandon_test(RunContext& ctx, Host& host, std::int32_t link) {
    ctx.channels.close_all();
    const std::string reason = "The bootstrap test was abandoned at linkage " + integer_text(link) +
                               ": the heterogeneity ratio could not be fitted to a bootstrap "
                               "sample. Every file has been closed and no results were written.";
    host.link_table().text(reason).end();
    host.ask("Bootstrap Test Abandoned", reason, Buttons::Ok);
    host.show(Window::Options, true);
}

Outcome run_test(RunContext& ctx, Host& host) {
    const TestSettings settings = read_test_settings(ctx);
    if (auto problem = settings_problem(settings)) throw RunError("Bootstrap Test", *problem);

    // The windows keep running while the test yields to them; a second
    // "Continue" would start a second test over the first one's half-written
    // results, so the button stays hidden until a new run draws its
    // dendrogram.
    host.show(Control::DendrogramContinue, false);
    ctx.Stage = RunStage::BootstrapTest;
    prepare_link_records(ctx);
    start_bootstrap_results(ctx, settings);
    // The window shows the alpha text of the run's settings as its level.
    host.show(Window::Results, true);

    // The test is seeded once; every replicate attempt draws from a stream
    // of its own derived from that seed, so draws never repeat because of
    // re-seeding and the counts do not depend on the number of threads.
    const LoopResult loop = run_test_loop_on_threads(ctx, host, settings);
    if (loop.abandoned) {
        abandon_test(ctx, host, loop.abandoned_link);
        return Outcome::Abandoned;
    }

    if (loop.stopped) mark_stopped_links(ctx, host, loop.stopped_link);
    record_bootstrap_results(ctx, settings);
    ctx.Stage = RunStage::Results;
    write_results(ctx, host, settings);
    if (loop.stopped) write_stopped_note(ctx, host, loop.stopped_link);
    assign_cluster_identifiers(ctx, host);
    if (loop.stopped) write_stopped_identifiers_note(ctx);
    ctx.Stage = RunStage::Complete;
    host.show(Control::ResultsFinish, true);
    return Outcome::Completed;
}

}  // namespace

Outcome test_linkages(RunContext& ctx, Host& host) {
    return run_guarded(ctx, host, [&] { return run_test(ctx, host); });
}

}  // namespace tw
