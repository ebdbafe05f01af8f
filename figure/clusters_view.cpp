#include "figure/clusters_view.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tw {

std::vector<ClusterTip> cluster_tips(const FigureSource& src) {
    std::vector<ClusterTip> tips;
    if (!src.tested || src.leaf_clusters.size() != at(src.leaves())) return tips;
    for (std::int32_t p = 0; p < src.leaves(); ++p) {
        const std::string& id = src.leaf_clusters[at(p)];
        if (id.empty()) return {};  // a tree only partly cut is drawn by name
        if (tips.empty() || tips.back().id != id) {
            tips.push_back({id, p, 0});
        }
        ++tips.back().size;
    }
    return tips;
}

std::string tip_label(const FigureSource& src, const ClusterTip& tip, int names) {
    std::string label = tip.id + " (" + std::to_string(tip.size) + ")";
    if (names <= 0) return label;
    const std::int32_t shown = std::min(tip.size, names);
    for (std::int32_t k = 0; k < shown; ++k) {
        label += k == 0 ? ": " : ", ";
        label += src.leaf_labels[at(tip.first + k)];
    }
    if (shown < tip.size) label += ", \u2026";
    return label;
}

ClustersSource clusters_source(const FigureSource& src, int names) {
    const std::vector<ClusterTip> tips = cluster_tips(src);
    if (tips.empty()) return {src, {}};
    ClustersSource result{src, std::vector<float>(tips.size(), std::nanf(""))};
    FigureSource& out = result.tree;
    out.order.clear();
    out.leaf_labels.clear();
    out.leaf_clusters.clear();
    out.linkages.clear();
    out.verdicts.clear();
    out.p.clear();

    // Each group stands for the tip holding it; a linkage between two tips
    // leaves the joined node under the first, as the layout keeps it.
    std::int32_t groups = 0;
    for (std::int32_t g : src.order) groups = std::max(groups, g);
    std::vector<std::int32_t> tip_of(at(groups) + 1, 0);
    for (std::size_t t = 0; t < tips.size(); ++t) {
        const auto number = static_cast<std::int32_t>(t) + 1;
        out.order.push_back(number);
        out.leaf_labels.push_back(tip_label(src, tips[t], names));
        out.leaf_clusters.push_back(tips[t].id);
        for (std::int32_t p = tips[t].first; p < tips[t].first + tips[t].size; ++p) {
            const std::int32_t g = src.order[at(p)];
            if (g >= 1) tip_of[at(g)] = number;
        }
    }
    for (std::size_t L = 0; L < src.linkages.size(); ++L) {
        const FigureLinkage& k = src.linkages[L];
        if (k.left < 1 || k.right < 1 || k.left > groups || k.right > groups) continue;
        const std::int32_t a = tip_of[at(k.left)], b = tip_of[at(k.right)];
        if (a == 0 || b == 0) continue;
        if (a == b) {  // inside one cluster: the tip begins at its loosest join
            float& top = result.tops[at(a - 1)];
            if (std::isnan(top) || (src.distance ? k.level > top : k.level < top)) top = k.level;
            continue;
        }
        out.linkages.push_back({a, b, k.level});
        out.verdicts.push_back(L < src.verdicts.size() ? src.verdicts[L]
                                                       : LinkageVerdict::NotReached);
        out.p.push_back(L < src.p.size() ? src.p[L] : std::nullopt);
    }
    return result;
}

}  // namespace tw
