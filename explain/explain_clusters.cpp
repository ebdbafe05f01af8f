#include "explain/explain_clusters.h"

#include "explain/cluster_stations.h"
#include "explain/explanation_report.h"
#include "explain/indicator_values.h"
#include "explain/simper.h"
#include "simprof/test_profiles.h"

namespace tw {

namespace {

unsigned threads_of(const RunSettings& s) {
    if (s.bootstrap_threads > 0) return s.bootstrap_threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

}  // namespace

ClusterExplanation explain_clusters(const RunContext& ctx) {
    const ClusterStations cs = cluster_stations(ctx);
    ClusterExplanation e;
    e.clusters = cs.clusters;
    e.stations.assign(cs.clusters.size(), 0);
    for (std::int32_t c : cs.cluster) ++e.stations[static_cast<std::size_t>(c)];
    e.simper_cut = ctx.settings.simper_cut;
    e.permutations = ctx.settings.indicator_permutations;
    // A test always records its seed; a run explained without one (only the
    // tests do that) draws from a fixed stream.
    e.seed = ctx.Results.seed.value_or(1);
    const unsigned threads = threads_of(ctx.settings);
    e.simper = similarity_percentages(cs, threads);
    e.indicators = indicator_values(cs, {e.permutations, e.seed, threads});
    return e;
}

const ClusterExplanation& explanation_of(RunContext& ctx) {
    if (!ctx.Explanation) ctx.Explanation = explain_clusters(ctx);
    return *ctx.Explanation;
}

void explain_if_asked(RunContext& ctx, Host& host) {
    if (!ctx.settings.explain_clusters || ctx.Stage != RunStage::Complete) return;
    try {
        write_explanation(ctx.channels.report(), ctx, explanation_of(ctx));
    } catch (const RunError& error) {
        write_explanation_refused(ctx.channels.report(), error.what());
        host.ask(error.title(), error.what(), Buttons::Ok);
    }
}

Outcome test_and_explain(RunContext& ctx, Host& host) {
    const Outcome outcome = test_significance(ctx, host);
    if (outcome == Outcome::Completed) explain_if_asked(ctx, host);
    return outcome;
}

}  // namespace tw
