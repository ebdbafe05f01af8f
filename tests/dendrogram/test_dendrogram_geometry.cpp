#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "cluster/dendrogram.h"
#include "cluster/dendrogram_geometry.h"
#include "dendrogram_fixture.h"

namespace tw::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Geometry of the joins over n stations, in their dendrogram order.
DendrogramGeometry geometry_of(const std::vector<Join>& joins, std::int32_t n,
                               Resemblance distance_flag, double savelinks = 100,
                               std::int16_t measure_index = 1) {
    Workspace w = workspace_with(joins, distance_flag);
    dendrogram_order(w, n);
    return dendrogram_geometry(source_of(w, n, savelinks, measure_index));
}

std::vector<std::string> tick_labels(const DendrogramGeometry& g) {
    std::vector<std::string> labels;
    for (const Tick& t : g.ticks)
        if (t.label) labels.push_back(t.label->text);
    return labels;
}

std::vector<std::vector<float>> corners(const LinkShape& link) {
    std::vector<std::vector<float>> out;
    for (const XYPoint& p : link.corners) out.push_back({p.x, p.y});
    return out;
}

TEST(DendrogramFrame, SpacingNarrowsAsStationsIncrease) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases = {
        {2, 24}, {25, 24}, {26, 16}, {37, 16}, {38, 8}, {50, 8}, {51, 4}, {500, 4}, {501, 1}};
    for (auto [n, spacing] : cases) EXPECT_EQ(station_spacing(n), spacing) << "n " << n;
    // A wide tree is not squeezed into the drawing area.
    EXPECT_FLOAT_EQ(dendrogram_frame(320, 200).leaf_x(200), 829);
}

TEST(AxisScale, SimilarityLeavesSitAtTheRoundedTopValue) {
    const DendrogramGeometry g =
        geometry_of({{1, 2, 0.9f}, {3, 4, 0.6f}, {1, 3, 0.3f}}, 4, kSimilarity);
    EXPECT_EQ(g.axis.bottom, 1.0f);
    EXPECT_EQ(g.axis.top, 0.0f);
    EXPECT_EQ(g.axis.number_format, "##.#");
    EXPECT_EQ(tick_labels(g), (std::vector<std::string>{"1.0", ".8", ".6", ".4", ".2", ".0"}));
    EXPECT_FLOAT_EQ(level_y(g.axis, g.frame, 1.0f), 288);  // B at the leaves
    EXPECT_FLOAT_EQ(level_y(g.axis, g.frame, 0.0f), 29);   // T at the top
}

TEST(AxisScale, DistanceAbove50IsLabelledInWholeNumbers) {
    const DendrogramGeometry g =
        geometry_of({{1, 2, 3.0f}, {3, 4, 20.0f}, {1, 3, 80.0f}}, 4, kDistance);
    EXPECT_EQ(g.axis.bottom, 2.0f);
    EXPECT_EQ(g.axis.top, 80.0f);
    EXPECT_EQ(g.axis.number_format, "####");
    EXPECT_EQ(tick_labels(g), (std::vector<std::string>{"2", "18", "33", "49", "64", "80"}));
    EXPECT_EQ(g.links[0].corners[0].y, 2.0f);  // a leaf reads exactly B
    // Labelled ticks are the even ones, from the leaves up.
    ASSERT_EQ(g.ticks.size(), 11u);
    EXPECT_FLOAT_EQ(g.ticks[0].mark.y1, 288);
    EXPECT_FLOAT_EQ(g.ticks[10].mark.y1, 28);
    EXPECT_FALSE(g.ticks[1].label.has_value());
    EXPECT_FLOAT_EQ(g.ticks[2].label->x, 29 / 4.0f);
    EXPECT_FLOAT_EQ(g.ticks[2].label->y, 236 - 11.52f / 3);
}

TEST(AxisScale, BoundsWidenToRoundValues) {
    struct Case {
        float low, high;
        Resemblance distance_flag;
        float bottom, top;
    };
    const std::vector<Case> cases = {
        {2.5f, 4.0f, kDistance, 2.0f, 5.0f}, {1.2f, 1.4f, kDistance, 1.0f, 1.5f},
        {0.6f, 1.8f, kDistance, 0.5f, 2.0f}, {-0.4f, 0.8f, kSimilarity, 1.0f, -0.4f},
        {0.0f, 7.5f, kDistance, 0.0f, 7.5f}, {0.3f, 0.9f, kSimilarity, 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        const DendrogramGeometry g =
            geometry_of({{1, 2, c.low}, {1, 3, c.high}}, 3, c.distance_flag);
        EXPECT_EQ(g.axis.bottom, c.bottom) << c.low << ".." << c.high;
        EXPECT_EQ(g.axis.top, c.top) << c.low << ".." << c.high;
    }
}

TEST(AxisScale, EqualLevelsUseHalfAUnitInPlaceOfTheRange) {
    for (const Resemblance kind : {kSimilarity, kDistance}) {
        const DendrogramGeometry g = geometry_of({{1, 2, 1.0f}, {1, 3, 1.0f}}, 3, kind);
        EXPECT_EQ(g.axis.bottom, 1.0f);
        EXPECT_EQ(g.axis.top, 1.0f);
        EXPECT_DOUBLE_EQ(g.axis.scale, 259 / 0.5);
        EXPECT_EQ(tick_labels(g), std::vector<std::string>(6, "1.0"));
        // The joins stand at the axis top, and the leaves read half a unit below.
        EXPECT_FLOAT_EQ(g.links[0].lines[2].y1, 29);
        EXPECT_EQ(g.links[0].corners[0].y, 0.5f);
    }
}

TEST(CoordinateListing, LeavesReadAsTheirPositionAndTheBottomValue) {
    // Order 1 3 2 4: station 2 stands third.
    const DendrogramGeometry g =
        geometry_of({{1, 3, 0.9f}, {2, 4, 0.8f}, {1, 2, 0.35f}}, 4, kSimilarity);
    ASSERT_EQ(g.links.size(), 3u);
    EXPECT_EQ(corners(g.links[0]),
              (std::vector<std::vector<float>>{{1, 1}, {1, 0.9f}, {2, 0.9f}, {2, 1}}));
    EXPECT_EQ(corners(g.links[1]),
              (std::vector<std::vector<float>>{{3, 1}, {3, 0.8f}, {4, 0.8f}, {4, 1}}));
    // Merged nodes stand half way between their children, at their join level.
    EXPECT_EQ(corners(g.links[2]), (std::vector<std::vector<float>>{
                                       {1.5f, 0.9f}, {1.5f, 0.35f}, {3.5f, 0.35f}, {3.5f, 0.8f}}));
}

TEST(Savelinks, OnlyTheTopLinksAreListedButLowerNodesStillMove) {
    const std::vector<Join> joins = {
        {1, 2, 1.0f}, {3, 4, 2.0f}, {1, 3, 4.0f}, {5, 6, 3.0f}, {1, 5, 10.0f}};
    const DendrogramGeometry g = geometry_of(joins, 6, kDistance, /*savelinks=*/3);
    ASSERT_EQ(g.links.size(), 3u);
    EXPECT_EQ(g.links[0].linkage, 3);
    EXPECT_EQ(corners(g.links[0]),
              (std::vector<std::vector<float>>{{1.5f, 1}, {1.5f, 4}, {3.5f, 4}, {3.5f, 2}}));
    EXPECT_EQ(corners(g.links[1]),
              (std::vector<std::vector<float>>{{5, 1}, {5, 3}, {6, 3}, {6, 1}}));
    EXPECT_EQ(corners(g.links[2]),
              (std::vector<std::vector<float>>{{2.5f, 4}, {2.5f, 10}, {5.5f, 10}, {5.5f, 3}}));
    EXPECT_EQ(g.leaf_numbers.size(), 6u);

    const std::vector<std::pair<double, std::size_t>> thresholds = {{0, 0},   {-1, 0}, {1, 1},
                                                                    {2.5, 2}, {5, 5},  {100, 5}};
    for (auto [savelinks, listed] : thresholds)
        EXPECT_EQ(geometry_of(joins, 6, kDistance, savelinks).links.size(), listed) << savelinks;
}

TEST(NonFiniteLevels, AreListedUndrawnAndKeepTheAxisSane) {
    const DendrogramGeometry g =
        geometry_of({{1, 2, 0.4f}, {3, 4, kNaN}, {1, 3, kInf}, {1, 5, 3.0f}}, 5, kDistance);
    EXPECT_EQ(g.axis.bottom, 0.0f);
    EXPECT_EQ(g.axis.top, 5.0f);
    ASSERT_EQ(g.links.size(), 4u);
    EXPECT_TRUE(g.links[0].drawn);
    EXPECT_FALSE(g.links[1].drawn);
    EXPECT_FALSE(g.links[2].drawn);
    EXPECT_TRUE(std::isnan(g.links[1].corners[1].y));
    // The link above them starts from a point on the drawing.
    const LinkShape& top = g.links[3];
    EXPECT_TRUE(top.drawn);
    for (const Segment& s : top.lines)
        for (float v : {s.x1, s.y1, s.x2, s.y2}) EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isinf(top.corners[0].y));  // the foot is the infinite join

    const DendrogramGeometry none = geometry_of({{1, 2, kNaN}, {1, 3, kNaN}}, 3, kSimilarity);
    EXPECT_EQ(none.axis.bottom, 1.0f);
    EXPECT_EQ(none.axis.top, 0.0f);
    EXPECT_TRUE(std::isfinite(none.axis.scale));
}

TEST(ReferenceLine, HeterogeneityRatioGetsDashesAcrossTheLeaves) {
    const std::vector<Join> joins = {{1, 2, 0.8f}, {1, 3, 1.7f}};
    const DendrogramGeometry g = geometry_of(joins, 3, kDistance, 100, /*measure_index=*/4);
    // B = .5, T = 2: y = (2 - 0) * 259 / 1.5 + 1.
    const float y = 2 * 259 / 1.5f + 1;
    ASSERT_FALSE(g.reference_dashes.empty());
    const Segment& first = g.reference_dashes.front();
    EXPECT_FLOAT_EQ(first.x1, 33);
    EXPECT_FLOAT_EQ(first.x2, 38);
    EXPECT_FLOAT_EQ(first.y1, y);
    EXPECT_FLOAT_EQ(first.y2, y);
    EXPECT_LE(g.reference_dashes.back().x1, 29 + 3 * 24);
    EXPECT_EQ(g.reference_dashes.size(), 7u);  // x = 33, 43, ..., 93 up to the leaf at 101

    EXPECT_TRUE(
        geometry_of(joins, 3, kDistance, 100, /*measure_index=*/1).reference_dashes.empty());
}

}  // namespace
}  // namespace tw::test
