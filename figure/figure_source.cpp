#include "figure/figure_source.h"
#include "run/array_index.h"

#include <cmath>
#include <cstddef>

#include "resemblance/measure.h"
#include "run/group_names.h"
#include "run/text_number.h"

namespace tw {

namespace {

void add_verdicts(FigureSource& src, const RunContext& ctx) {
    const auto links = static_cast<std::int32_t>(src.linkages.size());
    src.verdicts.assign(src.linkages.size(), LinkageVerdict::NotReached);
    src.p.assign(src.linkages.size(), std::nullopt);
    bool any = ctx.Results.ran();
    for (std::int32_t L = 1; L <= links; ++L) {
        src.verdicts[at(L - 1)] = linkage_verdict(ctx, L);
        src.p[at(L - 1)] = linkage_p(ctx, L);
        any = any || src.verdicts[at(L - 1)] != LinkageVerdict::NotReached;
    }
    src.leaf_clusters.assign(src.order.size(), std::string());
    if (!ctx.Label.empty() && ctx.Label.last_col() >= 2) {
        for (std::int32_t p = 1; p <= src.leaves() && p <= ctx.Label.last_row(); ++p) {
            src.leaf_clusters[at(p - 1)] = ctx.Label(p, 2);
        }
    }
    src.tested = any;
    src.test = ctx.Results.test;
    src.alpha_text = ctx.Results.alpha_text;
    src.trials = ctx.Results.trials;
}

}  // namespace

FigureSource figure_source(const RunContext& ctx, bool with_verdicts) {
    FigureSource src;
    const Workspace& w = ctx.work;
    src.title = figure_title(ctx.DataTitle);
    src.method_line = w.MethodName + ", " + w.MeasureName;
    src.distance = w.DistanceFlag == Resemblance::Distance;
    src.axis_title = axis_title(ctx.MeasureIndex, src.distance, ctx.SquaredFlag);
    src.savelinks = leading_number(ctx.settings.savelinks_text);

    const std::int32_t n = ctx.NumGroups;
    for (std::int32_t p = 1; p <= n && at(p) < ctx.DendroOrder.size(); ++p) {
        const std::int32_t g = ctx.DendroOrder[at(p)];
        src.order.push_back(g);
        src.leaf_labels.push_back(shown_group_label(ctx, g));
    }
    for (std::int32_t L = 1; L <= n - 1; ++L) {
        if (at(L) >= w.LinkI.size() || at(L) >= w.LinkJ.size() || at(L) >= w.JoinLevel.size()) {
            break;
        }
        src.linkages.push_back({w.LinkI[at(L)], w.LinkJ[at(L)], w.JoinLevel[at(L)]});
    }
    if (with_verdicts) add_verdicts(src, ctx);
    return src;
}

std::string figure_title(const std::string& data_title) {
    const std::size_t first = data_title.find_first_not_of(' ');
    const std::size_t last = data_title.find_last_not_of(' ');
    if (first == std::string::npos || last - first < 1) return data_title;
    if (data_title[first] != '\'' || data_title[last] != '\'') return data_title;
    return data_title.substr(first + 1, last - first - 1);
}

std::string axis_title(Measure measure, bool distance, bool squared) {
    std::string name = "Resemblance";  // a number outside the measure table
    for (const MeasureTraits& t : measure_table())
        if (t.index == measure) name = t.axis_name;
    std::string title = squared ? "Squared " + name : name;
    title += distance ? " distance (smaller is closer)" : " similarity (larger is closer)";
    return title;
}

std::int32_t first_drawn_linkage(std::int32_t n, double savelinks) {
    if (n < 2) return 1;
    const double first = std::ceil(static_cast<double>(n) - savelinks);
    if (first <= 1) return 1;
    if (first >= n) return n;
    return static_cast<std::int32_t>(first);
}

std::string hidden_links_note(std::int32_t n, double savelinks) {
    const std::int32_t k = first_drawn_linkage(n, savelinks);
    if (n < 2 || k <= 1) return {};
    return "Links below level " + std::to_string(k) +
           " are not drawn: raise 'Linkage Level to Begin Saving Cluster Labels' to draw them";
}

}  // namespace tw
