#include "simprof/test_profiles.h"

#include "bootstrap/cluster_identifiers.h"
#include "bootstrap/stopped_test.h"
#include "bootstrap/test_linkages.h"
#include "bootstrap/test_loop.h"
#include "run/entry_point.h"
#include "simprof/profile_results.h"
#include "simprof/profile_walk.h"
#include "simprof/simprof_settings.h"

namespace tw {

namespace {

Outcome run_test(RunContext& ctx, Host& host) {
    const ProfileSettings settings = read_profile_settings(ctx);
    if (auto problem = profile_settings_problem(settings))
        throw RunError("Similarity Profile Test", *problem);
    // As for the bootstrap: a second "Continue" while the windows are let in
    // would start a second test over the first one's results.
    host.show(Control::DendrogramContinue, false);
    ctx.Stage = RunStage::ProfileTest;
    prepare_link_records(ctx);
    host.show(Window::Results, true);

    const bool stopped = walk_profile_tests(ctx, host, settings);
    set_profile_symbols(ctx);
    ctx.Stage = RunStage::Results;
    write_profile_results(ctx, host, settings);
    assign_cluster_identifiers(ctx, host);
    if (stopped) write_stopped_identifiers_note(ctx);
    ctx.Stage = RunStage::Complete;
    host.show(Control::ResultsFinish, true);
    return Outcome::Completed;
}

}  // namespace

Outcome test_profiles(RunContext& ctx, Host& host) {
    return run_guarded(ctx, host, [&] { return run_test(ctx, host); });
}

Outcome test_significance(RunContext& ctx, Host& host) {
    if (ctx.settings.test_method == TestMethod::Simprof) return test_profiles(ctx, host);
    return test_linkages(ctx, host);
}

}  // namespace tw
