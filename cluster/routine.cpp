#include "cluster/routine.h"

#include <string>

#include "cluster/agglomerate.h"
#include "cluster/clustering_report.h"
#include "cluster/dendrogram.h"
#include "cluster/linkage_method.h"
#include "run/outcome.h"

namespace tw {

namespace {

// The linkage records name objects with 16-bit indices; a larger data set is
// refused before its resemblance matrix is even allocated.
void check_object_count(std::int32_t n) {
    if (n > kMaxObjects) {
        throw RunError("Clustering Error", "The data hold " + std::to_string(n) +
                                               " objects to be clustered, but at most " +
                                               std::to_string(kMaxObjects) + " can be.");
    }
}

// The observed run takes the method and squaring from the linkage window;
// a bootstrap replicate keeps what the observed run read. With no method
// button set, the method of the previous run stays.
void read_linkage_options(RunContext& ctx) {
    if (const auto chosen = ctx.settings.linkage)
        ctx.LinkageIndex = static_cast<std::int16_t>(*chosen);
    ctx.SquaredFlag = ctx.settings.sqr_sim;
    ctx.ClusterState = ClusteringStart::Objects;
}

ClusterOptions cluster_options(const RunContext& ctx, const Workspace& w, std::int32_t n,
                               bool observed) {
    ClusterOptions options;
    options.method = linkage_method(ctx.LinkageIndex);
    options.distance_flag = w.DistanceFlag;
    options.squared_flag = ctx.SquaredFlag;
    // The observed run's LinkI and LinkJ are read later for every station
    // count up to NumRows (the bootstrap copies them before its first test).
    options.sized_for = observed ? ctx.NumRows : n;
    return options;
}

}  // namespace

RoutineExit resemble_and_cluster(RunContext& ctx, Host& host, Workspace& w,
                                 MeasureArrays& measure_arrays, const Matrix<float>& x,
                                 std::int32_t n, RunMode run_mode, LinkArrays links,
                                 const std::vector<std::string>& labels) {
    check_object_count(n);
    const bool observed = run_mode == RunMode::Observed;
    if (observed) ctx.Stage = RunStage::Resemblance;
    const RoutineExit exit = compute_resemblance(ctx, host, w, measure_arrays, x, n, run_mode);
    if (exit != RoutineExit::Normal) return exit;

    if (observed) read_linkage_options(ctx);
    const ClusterOptions options = cluster_options(ctx, w, n, observed);
    w.MethodName = method_name(options.method);
    host.link_table().text("BEGIN CLUSTERING ...").end();

    if (!observed) {
        agglomerate(w, n, options, links, host);
        dendrogram_order(w, n);
        return RoutineExit::Normal;
    }

    ctx.Stage = RunStage::Clustering;
    ClusteringReport report(ctx, host, n, labels);
    report.start(w, options.method);
    agglomerate(w, n, options, links, host, &report);
    report.finish(w);
    dendrogram_order(w, n);
    ctx.DistanceFlag = w.DistanceFlag;
    ctx.Stage = RunStage::Dendrogram;
    draw_dendrogram(ctx, host, w, n);
    return RoutineExit::Normal;
}

}  // namespace tw
