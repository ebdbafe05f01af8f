#pragma once
// Hierarchies of any size built as the clustering and the bootstrap leave
// them, for laying out figures without a run.

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/cluster_table.h"
#include "cluster/leaf_order.h"
#include "figure/figure_source.h"
#include "figure/publication_layout.h"
#include "resemblance/measure.h"

namespace tw::test {

// Every character as wide as 0.6 of the font size: a plain sans face.
inline double monospace_width(const std::string& text, double size) {
    return 0.6 * size * static_cast<double>(text.size());
}

// Station names of mixed length, as field notes have them.
inline std::string station_name(std::int32_t g) {
    static const char* const stems[] = {"ST", "Estuary mouth ", "Reef-", "Lake shore site "};
    return stems[g % 4] + std::to_string(g);
}

// A random hierarchy of n groups: each linkage joins two current clusters
// (named by their lowest group) at a level that grows as the tree does.
inline FigureSource random_tree(std::int32_t n, std::uint32_t seed, bool distance = false) {
    std::mt19937 rng(seed);
    std::vector<std::int16_t> reps;
    for (std::int32_t g = 1; g <= n; ++g) reps.push_back(static_cast<std::int16_t>(g));
    std::vector<std::int16_t> I(1, 0), J(1, 0);
    FigureSource src;
    src.title = "Random test tree";
    src.method_line = "UPGMA, Bray-Curtis";
    src.axis_title = axis_title(Measure::BrayCurtis, distance, false);
    src.distance = distance;
    src.savelinks = n;  // every link drawn
    for (std::int32_t L = 1; L < n; ++L) {
        std::uniform_int_distribution<std::size_t> pick(0, reps.size() - 1);
        std::size_t a = pick(rng), b = pick(rng);
        while (b == a) b = pick(rng);
        const std::int16_t i = std::min(reps[a], reps[b]), j = std::max(reps[a], reps[b]);
        reps.erase(reps.begin() + static_cast<std::ptrdiff_t>(std::max(a, b)));
        reps[std::min(a, b)] = i;
        I.push_back(i);
        J.push_back(j);
        const float progress = static_cast<float>(L) / static_cast<float>(n);
        src.linkages.push_back(
            {i, j, distance ? 3.0f + 40.0f * progress : 0.95f - 0.8f * progress});
    }
    const std::vector<std::int32_t> order = leaf_order(I, J, n);
    for (std::int32_t p = 1; p <= n; ++p) {
        src.order.push_back(order[static_cast<std::size_t>(p)]);
        src.leaf_labels.push_back(station_name(order[static_cast<std::size_t>(p)]));
    }
    return src;
}

// Verdicts as the test loop gives them: a linkage holding a significant one
// is not tested, one joining two single groups is a pool of two, the rest
// significant with chance `significant`; the clusters then as the
// identifiers cut them.
inline void add_verdicts(FigureSource& src, double significant, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::bernoulli_distribution is_significant(significant);
    const std::int32_t n = src.leaves();
    std::vector<bool> holds_significant(static_cast<std::size_t>(n) + 1, false);
    std::vector<bool> single(static_cast<std::size_t>(n) + 1, true);
    std::vector<std::string> label(static_cast<std::size_t>(n) + 1);
    for (std::int32_t p = 0; p < n; ++p) {
        label[static_cast<std::size_t>(src.order[static_cast<std::size_t>(p)])] =
            src.leaf_labels[static_cast<std::size_t>(p)];
    }
    src.tested = true;
    src.alpha_text = "0.05";
    src.trials = 100;
    ClusterTable table;
    for (const FigureLinkage& k : src.linkages) {
        const auto i = static_cast<std::size_t>(k.left), j = static_cast<std::size_t>(k.right);
        LinkageVerdict v;
        if (holds_significant[i] || holds_significant[j]) {
            v = LinkageVerdict::ContainsSignificant;
        } else if (single[i] && single[j]) {
            v = LinkageVerdict::TooFewObjects;
        } else {
            v = is_significant(rng) ? LinkageVerdict::Significant : LinkageVerdict::NotSignificant;
        }
        src.verdicts.push_back(v);
        const bool tested = v == LinkageVerdict::Significant || v == LinkageVerdict::NotSignificant;
        src.p.push_back(tested
                            ? std::optional<float>(v == LinkageVerdict::Significant ? 0.01f : 0.4f)
                            : std::nullopt);
        holds_significant[i] =
            holds_significant[i] || holds_significant[j] || v == LinkageVerdict::Significant;
        single[i] = false;
        const bool joins =
            v == LinkageVerdict::NotSignificant || v == LinkageVerdict::TooFewObjects;
        table.apply(label[i], label[j], joins);
    }
    for (const std::string& l : src.leaf_labels) {
        src.leaf_clusters.push_back(cluster_identifier(table.find(l), table.count()));
    }
}

inline Figure lay_out(const FigureSource& src, double width = 900, double height = 600) {
    FigurePage page;
    page.width = width;
    page.height = height;
    return publication_layout(src, page, monospace_width);
}

inline std::vector<const FigureText*> texts_of(const Figure& f, TextRole role) {
    std::vector<const FigureText*> out;
    for (const FigureText& t : f.texts) {
        if (t.role == role) out.push_back(&t);
    }
    return out;
}

}  // namespace tw::test
