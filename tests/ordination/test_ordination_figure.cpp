#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>

#include "e2e/e2e_fixture.h"
#include "figure/figure_fixture.h"
#include "figure/figure_source.h"
#include "ordination/convex_hull.h"
#include "ordination/ordination_layout.h"
#include "ordination/start_streams.h"
#include "simprof/test_profiles.h"

namespace tw::test {
namespace {

struct TestedRun {
    const char* file;
    TestMethod method;
};

class OrdinationOfATestedRun : public ::testing::TestWithParam<TestedRun> {};

// The clusters the significance test cut: every object's dot has the colour
// its label has on the publication figure of the tree.
TEST_P(OrdinationOfATestedRun, DotsTakeTheColoursOfTheirClustersOnTheTree) {
    Session s(example_path(GetParam().file));
    s.ctx.settings.measure = Measure::BrayCurtis;
    s.ctx.settings.test_method = GetParam().method;
    s.ctx.settings.boot_text = "40";
    s.ctx.settings.permutations_text = "99";
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(
        GetParam().method == TestMethod::Simprof ? test_profiles(s.ctx, s.host) : s.bootstrap(),
        Outcome::Completed);

    NmdsSettings settings;
    settings.starts = 4;
    const RunOrdination o = ordinate_run(s.ctx, settings);
    ASSERT_EQ(o.result.objects(), s.ctx.NumGroups);
    const Figure tree =
        publication_layout(figure_source(s.ctx, true), FigurePage{}, monospace_width);
    std::map<std::string, Rgb> leaf_colour;
    for (const FigureText& t : tree.texts)
        if (t.role == TextRole::LeafLabel) leaf_colour[t.text] = t.colour;

    const OrdinationFigure plot = ordination_plot(o, OrdinationPage{}, monospace_width);
    ASSERT_EQ(plot.dots.size(), o.labels.size());
    std::size_t coloured = 0;
    for (std::size_t i = 0; i < o.labels.size(); ++i) {
        ASSERT_TRUE(leaf_colour.count(o.labels[i])) << o.labels[i];
        EXPECT_EQ(plot.dots[i].colour, leaf_colour[o.labels[i]]) << o.labels[i];
        coloured += plot.dots[i].colour != kInk;
    }
    EXPECT_GT(coloured, 0u) << "the example forms clusters, so some dots are coloured";
    std::size_t identifiers = 0;
    for (const FigureText& t : plot.figure.texts) identifiers += t.role == TextRole::ClusterId;
    EXPECT_EQ(identifiers, o.colours.size()) << "each cluster is lettered once";
}

INSTANTIATE_TEST_SUITE_P(Tests, OrdinationOfATestedRun,
                         ::testing::Values(TestedRun{"estuary_transect.txt", TestMethod::Bootstrap},
                                           TestedRun{"estuary_transect.txt", TestMethod::Simprof},
                                           TestedRun{"river_presence.txt", TestMethod::Simprof}));

TEST(OrdinationOfARun, SeedIsTheTestsThenTheTypedOneThenOne) {
    RunContext ctx;
    EXPECT_EQ(ordination_seed(ctx), 1u) << "a blank seed box still repeats the ordination";
    ctx.settings.seed_text = "99";
    EXPECT_EQ(ordination_seed(ctx), 99u);
    ctx.Results.seed = 1234;
    EXPECT_EQ(ordination_seed(ctx), 1234u);
}

TEST(OrdinationOfARun, ObjectsAreTheGroupsAfterAveragingNamedByTheirLabels) {
    Session s(example_path("estuary_transect.txt"));  // 40 stations in 10 groups
    s.ctx.settings.measure = Measure::BrayCurtis;
    ASSERT_EQ(s.observed(), Outcome::Completed);
    const RunOrdination o = ordination_inputs(s.ctx);
    ASSERT_EQ(o.dissimilarities.objects, 10);
    EXPECT_EQ(o.labels.front(), s.ctx.GroupLabel[1]);
    EXPECT_EQ(o.dissimilarities.rule, "1 - similarity");
    EXPECT_FLOAT_EQ(o.dissimilarities.at(0, 1), 1 - s.ctx.work.SimMatrix(1, 2));
    EXPECT_EQ(o.clusters, std::vector<std::string>(10, "")) << "no test yet, no clusters";

    s.ctx.work.SimMatrix(2, 3) = std::nanf("");
    try {
        ordination_inputs(s.ctx);
        ADD_FAILURE() << "a matrix with a value that is not a number was ordinated";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(s.ctx.GroupLabel[2] + " and " + s.ctx.GroupLabel[3]),
                  std::string::npos)
            << e.what();
    }
}

RunOrdination scattered(std::int32_t n) {
    RunOrdination o;
    o.result.points = random_start(n, 2, 99, 1);
    o.result.starts.resize(20);
    o.dissimilarities.objects = n;
    for (std::int32_t i = 0; i < n; ++i) {
        o.labels.push_back(station_name(i + 1));
        o.clusters.push_back(i % 3 == 0 ? "" : std::string(1, static_cast<char>('A' + i % 4)));
    }
    o.colours = cluster_colours(o.clusters);
    return o;
}

TEST(OrdinationPlot, LabelsNeverOverprintADotOrAnotherText) {
    for (std::int32_t n : {5, 50, 2000}) {
        OrdinationPage page;
        page.labels = true;
        const OrdinationFigure plot = ordination_plot(scattered(n), page, monospace_width);
        std::vector<Box> labels, others;
        for (const FigureText& t : plot.figure.texts)
            (t.role == TextRole::LeafLabel ? labels : others).push_back(t.box);
        for (const PlotDot& d : plot.dots)
            others.push_back(
                {d.x - d.size / 2, d.y - d.size / 2, d.x + d.size / 2, d.y + d.size / 2});
        if (n == 5) {
            EXPECT_EQ(labels.size(), 5u) << "few labels all find a place";
        }
        for (std::size_t a = 0; a < labels.size(); ++a) {
            EXPECT_GE(labels[a].left, 0);
            EXPECT_LE(labels[a].right, page.width);
            for (std::size_t b = a + 1; b < labels.size(); ++b)
                ASSERT_FALSE(labels[a].overlaps(labels[b])) << n << " objects";
            for (const Box& o : others) ASSERT_FALSE(labels[a].overlaps(o)) << n << " objects";
        }
    }
}

TEST(OrdinationPlot, BothAxesHaveOneScale) {
    RunOrdination o = scattered(30);
    for (std::int32_t i = 0; i < 30; ++i) o.result.points.at(i, 1) *= 0.1;  // a flat cloud
    const OrdinationFigure plot = ordination_plot(o, OrdinationPage{}, monospace_width);
    const auto& c = o.result.points;
    const double sx = (plot.dots[1].x - plot.dots[0].x) / (c.at(1, 0) - c.at(0, 0));
    const double sy = (plot.dots[0].y - plot.dots[1].y) / (c.at(1, 1) - c.at(0, 1));
    EXPECT_NEAR(sx, sy, 1e-9 * sx);
}

// The fitted step line climbs with the dissimilarity (up the page), never
// back; the dots are at most kShepardDots, spread along the ranks.
TEST(ShepardDiagram, StepLineClimbsAndDotsAreCapped) {
    for (std::int32_t n : {20, 200}) {
        RunOrdination o = scattered(n);
        std::vector<double> d;
        for (std::int32_t i = 0; i < n; ++i)
            for (std::int32_t j = i + 1; j < n; ++j)
                d.push_back(o.result.points.distance(i, j) + 0.3 * std::sin(i * j));
        o.dissimilarities = dissimilarities_from(n, d, true);
        const OrdinationFigure f = shepard_diagram(o, OrdinationPage{}, monospace_width);
        const std::size_t pairs = d.size();
        if (pairs <= kShepardDots) {
            EXPECT_EQ(f.dots.size(), pairs) << "every pair while they are few";
        } else {
            EXPECT_GE(f.dots.size(), kShepardDots);
        }
        EXPECT_LE(f.dots.size(), 2 * kShepardDots);
        double last_x = -1e300, last_y = 1e300;
        for (const FigureLine& l : f.figure.lines) {
            if (!(l.colour == Rgb{213, 94, 0})) continue;  // the step line
            EXPECT_GE(l.x1, last_x - 1e-9);
            EXPECT_LE(std::max(l.y1, l.y2), last_y + 1e-9) << "a step goes back down";
            last_x = std::max(l.x1, l.x2);
            last_y = std::min(l.y1, l.y2);
        }
        EXPECT_GT(last_x, -1e300) << "the step line is drawn";
    }
}

TEST(ConvexHull, KeepsOnlyTheCornersInOrder) {
    const std::vector<HullPoint> hull =
        convex_hull({{0, 0}, {2, 0}, {1, 1}, {2, 2}, {0, 2}, {1, 0}, {0, 0}});
    EXPECT_EQ(hull, (std::vector<HullPoint>{{0, 0}, {2, 0}, {2, 2}, {0, 2}}));
    EXPECT_EQ(convex_hull({{1, 1}, {1, 1}}).size(), 1u);
}

}  // namespace
}  // namespace tw::test
