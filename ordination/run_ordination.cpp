#include "ordination/run_ordination.h"
#include "run/array_index.h"

#include "figure/cluster_palette.h"
#include "figure/figure_source.h"
#include "resemblance/measure.h"
#include "run/seed_text.h"

namespace tw {

Rgb RunOrdination::colour_of(std::int32_t object) const {
    const auto it = colours.find(clusters[at(object)]);
    return it == colours.end() ? kInk : it->second;
}

std::map<std::string, Rgb> cluster_colours(const std::vector<std::string>& leaf_clusters) {
    std::map<std::string, Rgb> colours;
    std::int32_t k = 0;
    for (std::size_t p = 0; p < leaf_clusters.size(); ++p) {
        const std::string& id = leaf_clusters[p];
        if (id.empty()) continue;
        if (p == 0 || leaf_clusters[p - 1] != id) colours.emplace(id, cluster_colour(k++));
    }
    return colours;
}

std::uint64_t ordination_seed(const RunContext& ctx) {
    if (ctx.Results.seed) return *ctx.Results.seed;
    const SeedEntry chosen = chosen_seed(ctx.settings);
    return chosen.source == SeedSource::Typed ? chosen.value : 1;
}

RunOrdination ordination_inputs(const RunContext& ctx) {
    RunOrdination out;
    out.dissimilarities = dissimilarities_of_run(ctx);
    out.title = ctx.DataTitle;
    out.measure = traits_of(ctx.MeasureIndex).axis_name;
    const std::int32_t n = ctx.NumGroups;
    out.labels.resize(at(n));
    out.clusters.assign(at(n), std::string());
    for (std::int32_t g = 1; g <= n; ++g) out.labels[at(g - 1)] = ctx.GroupLabel[at(g)];
    const FigureSource src = figure_source(ctx, true);
    if (src.tested) {
        for (std::int32_t p = 0; p < src.leaves() && p < n; ++p) {
            const std::int32_t group = src.order[at(p)];
            if (group >= 1 && group <= n) out.clusters[at(group - 1)] = src.leaf_clusters[at(p)];
        }
        out.colours = cluster_colours(src.leaf_clusters);
    }
    return out;
}

void ordinate(RunOrdination& o, const NmdsSettings& settings, const NmdsControl& control) {
    o.result = nmds(o.dissimilarities, settings, control);
}

RunOrdination ordinate_run(const RunContext& ctx, const NmdsSettings& settings,
                           const NmdsControl& control) {
    RunOrdination out = ordination_inputs(ctx);
    ordinate(out, settings, control);
    return out;
}

}  // namespace tw
