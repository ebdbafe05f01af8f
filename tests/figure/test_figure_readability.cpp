// A publication figure stays readable at every size: no text overprints
// another text, a branch or a mark, in either orientation and either view.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "figure/clusters_view.h"
#include "figure/svg_writer.h"
#include "figure/text_metrics.h"
#include "figure_fixture.h"

namespace tw::test {
namespace {

struct Placed {
    Box box;
    std::string what;
};

// Pairs of overlapping boxes between `a` and `b` (or within `a` when `b` is
// null), by a sweep from left to right.
std::vector<std::string> clashes(std::vector<Placed> a, const std::vector<Placed>* b) {
    std::vector<Placed> all = a;
    const std::size_t own = a.size();
    if (b) all.insert(all.end(), b->begin(), b->end());
    std::vector<std::size_t> idx(all.size());
    for (std::size_t k = 0; k < idx.size(); ++k) idx[k] = k;
    std::sort(idx.begin(), idx.end(),
              [&](std::size_t x, std::size_t y) { return all[x].box.left < all[y].box.left; });
    std::vector<std::string> found;
    for (std::size_t i = 0; i < idx.size() && found.size() < 5; ++i) {
        for (std::size_t j = i + 1; j < idx.size(); ++j) {
            const Placed& p = all[idx[i]];
            const Placed& q = all[idx[j]];
            if (q.box.left >= p.box.right) break;
            const bool p_text = idx[i] < own, q_text = idx[j] < own;
            if (b ? p_text == q_text : false) continue;  // only text against the rest
            if (p.box.overlaps(q.box)) found.push_back(p.what + " / " + q.what);
        }
    }
    return found;
}

std::vector<Placed> texts(const Figure& f) {
    std::vector<Placed> out;
    for (const FigureText& t : f.texts) out.push_back({t.box, "text '" + t.text + "'"});
    return out;
}

std::vector<Placed> branches_and_marks(const Figure& f) {
    std::vector<Placed> out;
    for (const FigureLine& l : f.lines) {
        const double h = l.width / 2;
        out.push_back({{std::min(l.x1, l.x2) - h, std::min(l.y1, l.y2) - h,
                        std::max(l.x1, l.x2) + h, std::max(l.y1, l.y2) + h},
                       "line"});
    }
    for (const FigureMarker& m : f.markers) {
        out.push_back(
            {{m.x - m.size / 2, m.y - m.size / 2, m.x + m.size / 2, m.y + m.size / 2}, "mark"});
    }
    return out;
}

struct Case {
    std::int32_t leaves;
    LeafSide side;
    FigureView view;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.leaves << " leaves";
}

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return std::to_string(info.param.leaves) +
           (info.param.side == LeafSide::Down ? "_down" : "_left") +
           (info.param.view == FigureView::Names ? "_names" : "_clusters");
}

class EverySizeAndView : public ::testing::TestWithParam<Case> {};

TEST_P(EverySizeAndView, NoTextOverprintsAndEveryLeafOrClusterIsNamed) {
    const Case c = GetParam();
    // A dozen clusters in the largest tree, many small ones at 225, a few
    // in a small tree.
    FigureSource src = random_tree(c.leaves, c.leaves == 2000 ? 2040u : 40u + c.leaves);
    add_verdicts(src,
                 c.leaves == 2000  ? 0.001
                 : c.leaves == 225 ? 0.004
                                   : 0.3,
                 c.leaves == 2000 ? 1u : 7u);
    FigureOptions options;
    options.leaf_side = c.side;
    options.view = c.view;
    options.tip_labels = 2;
    // A journal page, a large window and a window so low that the axis is
    // shorter than its title.
    FigurePage low;
    low.width = 650;
    low.height = 200;
    low.smallest_font = 7;
    for (const FigurePage& page : {journal_page(), FigurePage{}, low}) {
        const Figure f = publication_layout(src, page, figure_text_width, options);
        const std::vector<Placed> words = texts(f);
        const std::vector<Placed> drawn = branches_and_marks(f);
        EXPECT_EQ(clashes(words, nullptr), std::vector<std::string>{});
        EXPECT_EQ(clashes(words, &drawn), std::vector<std::string>{});
        for (const FigureText& t : f.texts) {
            EXPECT_TRUE(t.box.left >= 0 && t.box.top >= 0 && t.box.right <= f.width &&
                        t.box.bottom <= f.height)
                << t.text;
        }
        if (c.side == LeafSide::Left) {
            EXPECT_EQ(f.orientation, Orientation::Sideways);
        }
        // Each P stands beside a node's mark, not somewhere a reader would
        // take it for another node's.
        for (const FigureText* t : texts_of(f, TextRole::PValue)) {
            double nearest = 1e9;
            for (const FigureMarker& m : f.markers) {
                const double dx = std::max({t->box.left - m.x, m.x - t->box.right, 0.0});
                const double dy = std::max({t->box.top - m.y, m.y - t->box.bottom, 0.0});
                nearest = std::min(nearest, std::hypot(dx, dy));
            }
            EXPECT_LE(nearest, 5.0) << t->text;
        }

        const auto labels = texts_of(f, TextRole::LeafLabel);
        const std::vector<ClusterTip> tips = cluster_tips(src);
        if (c.view == FigureView::Names || tips.empty()) {
            ASSERT_EQ(labels.size(), src.leaf_labels.size());
            for (std::size_t p = 0; p < labels.size(); ++p)
                EXPECT_EQ(labels[p]->text, src.leaf_labels[p]);
        } else {
            ASSERT_EQ(labels.size(), tips.size());
            std::int32_t total = 0;
            for (std::size_t t = 0; t < tips.size(); ++t) {
                const std::string start = tips[t].id + " (" + std::to_string(tips[t].size) + ")";
                EXPECT_EQ(labels[t]->text.substr(0, start.size()), start);
                total += tips[t].size;
            }
            EXPECT_EQ(total, c.leaves);
        }
    }
}

std::vector<Case> all_cases() {
    std::vector<Case> out;
    for (std::int32_t n : {2, 5, 20, 50, 225, 2000})
        for (LeafSide side : {LeafSide::Down, LeafSide::Left})
            for (FigureView view : {FigureView::Names, FigureView::Clusters})
                out.push_back({n, side, view});
    return out;
}

INSTANTIATE_TEST_SUITE_P(Figures, EverySizeAndView, ::testing::ValuesIn(all_cases()), case_name);

TEST(ClustersView, TwoThousandStationsInADozenClustersFitOneA4Page) {
    FigureSource src = random_tree(2000, 2040);
    add_verdicts(src, 0.001, 1);
    const std::size_t clusters = cluster_tips(src).size();
    ASSERT_GE(clusters, 6u);
    ASSERT_LE(clusters, 15u);
    FigureOptions options;
    options.view = FigureView::Clusters;
    constexpr double kPt = 72 / 25.4;
    for (LeafSide side : {LeafSide::Down, LeafSide::Left}) {
        options.leaf_side = side;
        const Figure f = publication_layout(src, journal_page(), figure_text_width, options);
        EXPECT_LE(f.width, 210 * kPt);
        EXPECT_LE(f.height, 297 * kPt);
        EXPECT_FALSE(f.taller_than_page);
    }
    const Figure names = publication_layout(src, journal_page(), figure_text_width);
    EXPECT_TRUE(names.taller_than_page) << "the names view offers the clusters view";
}

TEST(ClustersView, TipsKeepOnlyTheLinkagesBetweenClustersAndNameTheirFirstMembers) {
    FigureSource src = random_tree(60, 5);
    add_verdicts(src, 0.3, 3);
    const std::vector<ClusterTip> tips = cluster_tips(src);
    ASSERT_GE(tips.size(), 3u);
    const ClustersSource cut = clusters_source(src, 2);
    const FigureSource& view = cut.tree;
    EXPECT_EQ(view.leaves(), static_cast<std::int32_t>(tips.size()));
    EXPECT_EQ(view.linkages.size(), tips.size() - 1) << "a tree over the tips";
    for (const LinkageVerdict v : view.verdicts) {
        EXPECT_TRUE(v == LinkageVerdict::Significant || v == LinkageVerdict::ContainsSignificant);
    }
    // A tip begins at its cluster's loosest join; a cluster of one at its leaf.
    for (std::size_t t = 0; t < tips.size(); ++t)
        EXPECT_EQ(std::isnan(cut.tops[t]), tips[t].size == 1) << tips[t].id;
    const ClusterTip& big = *std::max_element(
        tips.begin(), tips.end(), [](const auto& a, const auto& b) { return a.size < b.size; });
    ASSERT_GT(big.size, 2);
    const std::string first = src.leaf_labels[static_cast<std::size_t>(big.first)];
    const std::string second = src.leaf_labels[static_cast<std::size_t>(big.first + 1)];
    EXPECT_EQ(tip_label(src, big, 2), big.id + " (" + std::to_string(big.size) + "): " + first +
                                          ", " + second + ", \u2026");

    // Before the bootstrap there are no clusters: the names view is drawn.
    const FigureSource untested = random_tree(30, 5);
    FigureOptions clusters;
    clusters.view = FigureView::Clusters;
    EXPECT_EQ(texts_of(publication_layout(untested, journal_page(), figure_text_width, clusters),
                       TextRole::LeafLabel)
                  .size(),
              30u);
}

TEST(FigureOptionsChoices, WhichPShowsAndHowItIsWritten) {
    FigureSource src = random_tree(30, 12);
    add_verdicts(src, 0.3, 4);
    src.p.front() = std::nullopt;
    for (std::size_t L = 0; L < src.p.size(); ++L)
        if (src.verdicts[L] == LinkageVerdict::Significant) src.p[L] = 0.0004f;
    FigureOptions o;
    const auto p_texts = [&](PShown shown) {
        o.p_shown = shown;
        const Figure f = publication_layout(src, FigurePage{}, figure_text_width, o);
        std::vector<std::string> out;
        for (const FigureText* t : texts_of(f, TextRole::PValue)) out.push_back(t->text);
        return std::pair{out, f.p_left_out};
    };
    const auto [all, all_out] = p_texts(PShown::All);
    const auto [significant, sig_out] = p_texts(PShown::Significant);
    EXPECT_TRUE(p_texts(PShown::None).first.empty());
    EXPECT_GT(all.size(), significant.size());
    ASSERT_FALSE(significant.empty());
    for (const std::string& t : significant) EXPECT_TRUE(t == "<0.01" || t == "<.01") << t;
    EXPECT_EQ(sig_out, 0);

    EXPECT_EQ(p_text(0.0f, 1000), "<0.001");
    EXPECT_EQ(p_text(0.0009f, 10000), "<0.001");
    EXPECT_EQ(p_text(0.0f, 100), "<0.01") << "no finer than the replicates tell";
    EXPECT_EQ(p_text(0.0f, 10), "<0.10");
    EXPECT_EQ(p_text(0.001f, 1000), "0.001");
    EXPECT_EQ(p_text(0.04f, 100), "0.04");
}

TEST(FigureOptionsChoices, TitleGreyscaleLabelSizeAndCutLine) {
    FigureSource src = random_tree(12, 3);
    add_verdicts(src, 0.3, 9);
    FigureOptions o;
    o.title = "Lough Neagh benthos, 2024";
    o.colours = ColourScheme::Greyscale;
    o.label_size = 7;
    const Figure f = publication_layout(src, journal_page(), figure_text_width, o);
    EXPECT_EQ(texts_of(f, TextRole::Title).front()->text, o.title);
    for (const FigureLine& l : f.lines)
        EXPECT_TRUE(l.colour.r == l.colour.g && l.colour.g == l.colour.b);
    for (const FigureText* t : texts_of(f, TextRole::LeafLabel)) EXPECT_LE(t->size, 7);

    // The dashed cut lies between the loosest join inside a cluster and the
    // tightest split between clusters, across the whole tree.
    const auto cut =
        std::find_if(f.lines.begin(), f.lines.end(), [](const FigureLine& l) { return l.dashed; });
    ASSERT_NE(cut, f.lines.end());
    EXPECT_EQ(cut->y1, cut->y2);
    o.cut_line = false;
    const Figure without = publication_layout(src, journal_page(), figure_text_width, o);
    EXPECT_TRUE(std::none_of(without.lines.begin(), without.lines.end(),
                             [](const FigureLine& l) { return l.dashed; }));
}

TEST(FigureAxis, ASimilarityAxisReachesOneAndADistanceAxisZero) {
    const Figure sim = lay_out(random_tree(20, 6));
    const Figure dist = lay_out(random_tree(20, 6, true));
    const auto ticks = [](const Figure& f) {
        std::vector<std::string> out;
        for (const FigureText* t : texts_of(f, TextRole::TickLabel)) out.push_back(t->text);
        return out;
    };
    const auto s = ticks(sim), d = ticks(dist);
    EXPECT_NE(std::find(s.begin(), s.end(), "1.0"), s.end());
    EXPECT_NE(std::find(d.begin(), d.end(), "0"), d.end());
}

TEST(FigureAxis, TheAxisTitleStaysWithinTheAxisItNames) {
    FigureSource src = random_tree(12, 6);
    for (std::size_t p = 0; p < src.leaf_labels.size(); ++p)
        src.leaf_labels[p] = "S" + std::to_string(p);
    add_verdicts(src, 0.3, 2);
    std::size_t shortened = 0;
    for (double height = 220; height <= 420; height += 20) {
        FigurePage page;
        page.width = 500;
        page.height = height;
        page.smallest_font = 7;
        const Figure f = publication_layout(src, page, figure_text_width);
        if (f.orientation != Orientation::Upright) continue;  // too low to stand
        const FigureText& title = *texts_of(f, TextRole::AxisTitle).front();
        const FigureLine& axis = f.lines.front();  // the axis is drawn first
        EXPECT_GE(title.box.top, std::min(axis.y1, axis.y2) - 1e-9) << height;
        EXPECT_LE(title.box.bottom, std::max(axis.y1, axis.y2) + 1e-9) << height;
        shortened += title.text != src.axis_title;
    }
    EXPECT_GT(shortened, 0u) << "some axis here is too short for the whole title";
}

TEST(FigureText, WidthsAreTheFaceOwnWithoutKerning) {
    EXPECT_NEAR(figure_text_width("Lake shore site 12", 100), 918.8125, 1e-6);
    EXPECT_NEAR(figure_text_width("\xc3\x85lesund \xe2\x89\xa4 0.05", 100), 769.96875, 1e-6);
    EXPECT_NEAR(figure_text_width("Lake shore site 12", 100) * bold_widening("Lake shore site 12"),
                1035, 1e-6);
}

TEST(FigureSvg, KeepsTextAsTextAndEscapesIt) {
    FigureSource src = random_tree(5, 2);
    src.leaf_labels[0] = "Bay <north> & \"deep\"";
    const std::string svg = figure_svg(lay_out(src));
    EXPECT_NE(svg.find(">Bay &lt;north&gt; &amp; &quot;deep&quot;</text>"), std::string::npos);
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
    EXPECT_EQ(svg, figure_svg(lay_out(src))) << "the same figure, the same bytes";
}

}  // namespace
}  // namespace tw::test
