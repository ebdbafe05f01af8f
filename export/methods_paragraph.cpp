#include "export/methods_paragraph.h"

#include <algorithm>
#include <set>

#include "export/method_names.h"
#include "export/number_text.h"
#include "run/transform.h"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "unknown"
#endif

namespace tw {

namespace {

std::string plural(std::int64_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string grouping(const RunContext& ctx) {
    std::string text = ctx.NumGroups < ctx.NumRows
                           ? "The " + plural(ctx.NumRows, "station", "stations") +
                                 " were averaged within " +
                                 plural(ctx.NumGroups, "replicate group", "replicate groups")
                           : "Each of the " + plural(ctx.NumRows, "station", "stations") +
                                 " formed a group of its own";
    if (ctx.MultConstant != 1.0f)
        text += ", after multiplying every abundance by " + shortest_text(ctx.MultConstant);
    if (ctx.StandardiseFlag)
        text += "; the group means were standardised to percentages of each group's total";
    if (ctx.TransformCode != Transform::None)
        text += "; " + transform_entry(ctx.TransformCode).done_to_means;
    return text;
}

std::string seed(const TestResults& r) {
    return r.seed ? " (seed " + std::to_string(*r.seed) + ")" : std::string();
}

std::string test(const RunContext& ctx) {
    const TestResults& r = ctx.Results;
    if (r.test == SignificanceTest::SimilarityProfile) {
        return "the hierarchy was tested from the root down with similarity profile tests "
               "(Clarke, Somerfield & Gorley 2008) of " +
               plural(r.trials, "permutation", "permutations") + " per linkage" + seed(r) +
               ", alpha " + r.alpha_text +
               ": the two sides of a linkage whose objects showed more structure than chance "
               "were tested in turn, and the objects under a linkage without it formed one "
               "group";
    }
    std::string text = "each linkage was tested with " +
                       plural(r.trials, "bootstrap replicate", "bootstrap replicates") +
                       " of its pooled stations" + seed(r);
    text += ", alpha " + r.alpha_text +
            ": a linkage was significant when at most that proportion of its replicates "
            "joined at or beyond the observed level, and linkages containing a significant "
            "linkage were not tested";
    return text;
}

}  // namespace

std::int32_t cluster_count(const RunContext& ctx) {
    if (ctx.Label.empty()) return 0;
    std::set<std::string> identifiers;
    const std::int32_t positions = std::min(ctx.NumGroups, ctx.Label.last_row());
    for (std::int32_t p = 1; p <= positions; ++p)
        if (!ctx.Label(p, 2).empty()) identifiers.insert(ctx.Label(p, 2));
    return static_cast<std::int32_t>(identifiers.size());
}

std::string methods_paragraph(const RunContext& ctx) {
    const MeasureOfRun measure = measure_of_run(ctx);
    std::string text = "Analysed with TARNWICK " TARNWICK_VERSION ". " + grouping(ctx) + "; " +
                       measure.name + " (" + measure.kind() + (ctx.SquaredFlag ? ", squared" : "") +
                       "); " + linkage_name(ctx) + "; " + test(ctx) + ".";
    const std::int32_t clusters = cluster_count(ctx);
    if (clusters > 0)
        text += " The significant linkages cut the hierarchy into " +
                plural(clusters, "cluster", "clusters") + ".";
    return text;
}

}  // namespace tw
