// The publication view of the dendrogram, laid out without any window.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "figure/axis_ticks.h"
#include "figure/cluster_palette.h"
#include "figure_fixture.h"

namespace tw::test {
namespace {

TEST(PublicationLayout, SmallTreesStandUprightAndLargeOnesLieOnTheirSideAndScroll) {
    const Figure five = lay_out(random_tree(5, 1));
    EXPECT_EQ(five.orientation, Orientation::Upright);
    EXPECT_FALSE(texts_of(five, TextRole::LeafLabel).front()->vertical);

    const Figure many = lay_out(random_tree(2000, 1));
    EXPECT_EQ(many.orientation, Orientation::Sideways);
    EXPECT_GT(many.height, 600) << "a tree too tall for the window makes the figure taller";
    EXPECT_EQ(many.width, 900);
}

TEST(PublicationLayout, TheTreeFillsWhateverAreaItIsGiven) {
    const FigureSource src = random_tree(12, 3);
    for (const auto& [w, h] : {std::pair{600.0, 400.0}, std::pair{1400.0, 900.0}}) {
        const Figure f = lay_out(src, w, h);
        EXPECT_EQ(f.width, w);
        EXPECT_EQ(f.height, h);
        double right = 0, bottom = 0;
        for (const FigureText* t : texts_of(f, TextRole::LeafLabel)) {
            right = std::max(right, t->box.right);
            bottom = std::max(bottom, t->box.bottom);
        }
        EXPECT_GT(right, 0.9 * w);
        EXPECT_GT(bottom, 0.8 * h);
    }
}

TEST(PublicationLayout, EveryTestedNodeShowsItsPAndEveryClusterItsIdentifier) {
    FigureSource src = random_tree(50, 9);
    add_verdicts(src, 0.25, 11);
    const Figure f = lay_out(src);

    std::size_t tested = 0;
    for (const auto& p : src.p) tested += p.has_value();
    ASSERT_GT(tested, 0u);
    EXPECT_EQ(texts_of(f, TextRole::PValue).size() + static_cast<std::size_t>(f.p_left_out),
              tested);
    EXPECT_EQ(f.markers.size() - 4, src.linkages.size()) << "one mark a node, four in the legend";

    std::set<std::string> ids(src.leaf_clusters.begin(), src.leaf_clusters.end());
    std::set<std::string> shown;
    for (const FigureText* t : texts_of(f, TextRole::ClusterId)) shown.insert(t->text);
    EXPECT_EQ(shown, ids);
    EXPECT_EQ(texts_of(f, TextRole::Legend).size(), 4u);
}

TEST(PublicationLayout, EachClusterHasOneColourAndNeighboursDiffer) {
    FigureSource src = random_tree(60, 21);
    add_verdicts(src, 0.4, 3);
    const Figure f = lay_out(src);
    const auto labels = texts_of(f, TextRole::LeafLabel);
    std::map<std::string, Rgb> colour;
    for (std::size_t p = 0; p < labels.size(); ++p) {
        const auto [it, fresh] = colour.emplace(src.leaf_clusters[p], labels[p]->colour);
        EXPECT_EQ(it->second, labels[p]->colour) << "cluster " << src.leaf_clusters[p];
        if (p > 0 && src.leaf_clusters[p] != src.leaf_clusters[p - 1]) {
            EXPECT_NE(labels[p]->colour, labels[p - 1]->colour) << "at leaf " << p;
        }
    }
    ASSERT_GT(colour.size(), 2u);
}

TEST(ClusterPalette, ColoursStayApartInGreyAndFromTheBlackTree) {
    const auto palette = cluster_palette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        EXPECT_GT(grey_level(palette[i]), 40) << "no cluster looks like the black tree";
        EXPECT_LT(grey_level(palette[i]), 200) << "no cluster fades into white paper";
        for (std::size_t j = i + 1; j < palette.size(); ++j) {
            EXPECT_GE(std::abs(grey_level(palette[i]) - grey_level(palette[j])), 18)
                << i << " " << j;
        }
    }
}

TEST(PublicationLayout, BeforeTheBootstrapTheTreeIsBlackWithoutMarks) {
    const Figure f = lay_out(random_tree(20, 4));
    EXPECT_TRUE(f.markers.empty());
    EXPECT_TRUE(texts_of(f, TextRole::PValue).empty());
    EXPECT_TRUE(texts_of(f, TextRole::Legend).empty());
    for (const FigureLine& l : f.lines) EXPECT_EQ(l.colour, kInk);
}

TEST(PublicationLayout, EveryLinkIsDrawnWhateverTheClusterLabelThreshold) {
    FigureSource src = random_tree(225, 8);
    src.savelinks = 100;
    const Figure f = lay_out(src);
    EXPECT_TRUE(texts_of(f, TextRole::Note).empty());
    // Three lines a link; the axis and its ticks are thinner.
    const auto tree_lines = std::count_if(f.lines.begin(), f.lines.end(),
                                          [](const FigureLine& l) { return l.width > 1.1; });
    EXPECT_EQ(tree_lines, 3 * 224);
}

TEST(PublicationLayout, TheAxisIsTitledAndItsTicksCoverEveryLevel) {
    const FigureSource src = random_tree(30, 2);
    const Figure f = lay_out(src);
    ASSERT_EQ(texts_of(f, TextRole::AxisTitle).size(), 1u);
    EXPECT_EQ(texts_of(f, TextRole::AxisTitle).front()->text,
              "Bray-Curtis similarity (larger is closer)");
    EXPECT_GE(texts_of(f, TextRole::TickLabel).size(), 4u);
    const auto title = texts_of(f, TextRole::Title).front();
    const auto method = texts_of(f, TextRole::MethodLine).front();
    EXPECT_EQ(title->box.left, method->box.left) << "title and method line aligned";
    EXPECT_LT(title->box.bottom, method->box.bottom);
}

TEST(AxisTicks, RoundStepsThatCoverTheLevels) {
    const AxisTicks sim = axis_ticks(0.18, 0.93, false);
    EXPECT_LE(sim.low, 0.18);
    EXPECT_GE(sim.high, 0.93);
    ASSERT_EQ(sim.values.size(), 6u);
    EXPECT_EQ(sim.label(sim.values[2]), "0.4");
    const AxisTicks dist = axis_ticks(3, 80, true);
    EXPECT_EQ(dist.low, 0) << "distances start where identical objects join";
    EXPECT_EQ(dist.label(dist.values.back()), "80");
    const AxisTicks flat = axis_ticks(0.5, 0.5, false);
    EXPECT_LT(flat.low, flat.high);
}

TEST(FigureSourceText, AxisTitlesNameTheMeasureAndWhichWayIsCloser) {
    EXPECT_EQ(axis_title(Measure::Euclidean, true, true),
              "Squared Euclidean distance (smaller is closer)");
    EXPECT_EQ(axis_title(Measure::Jaccard, false, false), "Jaccard similarity (larger is closer)");
    EXPECT_EQ(axis_title(Measure{9}, false, false), "Resemblance similarity (larger is closer)");
    EXPECT_EQ(first_drawn_linkage(225, 100), 125);
    EXPECT_EQ(first_drawn_linkage(50, 100), 1);
    EXPECT_EQ(hidden_links_note(101, 100), std::string());
}

}  // namespace
}  // namespace tw::test
