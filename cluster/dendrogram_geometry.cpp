#include "cluster/dendrogram_geometry.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "run/number_format.h"
#include "run/text_number.h"

namespace tw {

namespace {

constexpr int kTicks = 10;
constexpr std::int32_t kTitleColumns = 10;    // the title starts 10 characters in
constexpr std::int32_t kCaptionColumn = 30;   // the caption is printed at Tab(30)
constexpr std::int32_t kLeafNumberLine = 24;  // leaf numbers stand on the 24th line
constexpr float kTickLength = 4;
constexpr float kDashLength = 5;
constexpr float kDashPeriod = 10;

float single(double v) {
    return static_cast<float>(v);
}

float widened_low(float m) {
    if (m >= 2) return 2.0f;
    if (m >= 1) return 1.0f;
    if (m >= 0.5f) return 0.5f;
    if (m >= 0) return 0.0f;
    return m;
}

float widened_high(float m) {
    if (m <= 1) return 1.0f;
    if (m <= 1.5f) return 1.5f;
    if (m <= 2) return 2.0f;
    if (m <= 5) return 5.0f;
    return m;
}

// Linkages 1..last that the record arrays actually hold.
std::int32_t last_linkage(const DendrogramSource& src) {
    const std::size_t held = std::min({src.LinkI.size(), src.LinkJ.size(), src.JoinLevel.size()});
    return held == 0 ? 0 : std::min(src.n - 1, static_cast<std::int32_t>(held - 1));
}

std::vector<Tick> axis_ticks(const DendrogramFrame& f, const AxisScale& a, Resemblance kind) {
    std::vector<Tick> ticks;
    const auto x = static_cast<float>(f.axis_x());
    for (int t = 0; t <= kTicks; ++t) {
        const auto y = static_cast<float>(f.base - f.tick_step * t);
        Tick tick{{x, y, x + kTickLength, y}, std::nullopt};
        if (t % 2 == 0) {
            // Both forms give B + (T - B) * t / 10; each direction keeps its own
            // so the rounding of the printed value is that of its own sum.
            const double value = kind == Resemblance::Distance
                                     ? double{a.top} - double{a.step} * (kTicks - t)
                                     : double{a.bottom} + double{a.step} * t;
            tick.label = PlacedText{x / 4, y - f.line_height / 3,
                                    pattern_text(a.number_format, single(value))};
        }
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

// The heterogeneity-ratio reference line, at y = (T - r) * scale + 1 with the
// reference ratio r = 0, the lower bound of the ratio. The height is measured
// from the top edge of the drawing area (the + 1) and not from the axis top,
// so the line stands Top - 1 units above the place the axis gives a ratio of 0
// and falls below the leaves, off the drawing area, whenever that place is
// more than Top - 1 units below them; the window clips it then.
std::vector<Segment> reference_dashes(const DendrogramFrame& f, const AxisScale& a,
                                      std::int32_t n) {
    constexpr double kReferenceRatio = 0;
    std::vector<Segment> dashes;
    const float y = single((double{a.top} - kReferenceRatio) * a.scale + 1);
    if (!std::isfinite(y)) return dashes;
    const float last_x = f.leaf_x(n);
    for (float x = std::round(static_cast<float>(f.axis_x()) + kTickLength); x <= last_x;
         x += kDashPeriod)
        dashes.push_back({x, y, x + kDashLength, y});
    return dashes;
}

// The current tree node kept at each leaf position: a merged cluster's node
// sits at the position of its LinkI station. `level` is the resemblance value
// of the node's height: the leaves' value for a leaf, the join level for a
// merged node. Listing it directly keeps the drawing's rounding out of the
// coordinate listing.
struct Node {
    float x, y, level;
};

XYPoint listed_point(const Node& node, const DendrogramFrame& f) {
    return {single((double{node.x} - f.top) / f.spacing), node.level};
}

// Position of every station in the leaf order (0 for a station it lacks).
std::vector<std::size_t> positions(const DendrogramSource& src) {
    std::vector<std::size_t> position(at(src.n) + 1, 0);
    const std::int32_t held = std::min(src.n, static_cast<std::int32_t>(src.LeafOrder.size()) - 1);
    for (std::int32_t p = 1; p <= held; ++p) {
        const float k = src.LeafOrder[at(p)];
        if (k >= 1 && k <= static_cast<float>(src.n)) position[static_cast<std::size_t>(k)] = at(p);
    }
    return position;
}

std::vector<LinkShape> link_shapes(const DendrogramSource& src, const DendrogramFrame& f,
                                   const AxisScale& a) {
    const std::vector<std::size_t> position = positions(src);
    std::vector<Node> nodes(at(src.n) + 1);
    for (std::int32_t p = 1; p <= src.n; ++p)
        nodes[at(p)] = {f.leaf_x(p), static_cast<float>(f.base), a.leaf_level()};

    std::vector<LinkShape> shapes;
    const std::int32_t last = last_linkage(src);
    for (std::int32_t L = 1; L <= last; ++L) {
        const std::int32_t i = src.LinkI[at(L)], j = src.LinkJ[at(L)];
        if (i < 1 || i > src.n || j < 1 || j > src.n) continue;
        const std::size_t pi = position[at(i)], pj = position[at(j)];
        if (pi == 0 || pj == 0 || pi == pj) continue;  // not a join the order can place
        Node& ni = nodes[pi];
        const Node& nj = nodes[pj];

        const float level = src.JoinLevel[at(L)];
        float y = level_y(a, f, level);
        const bool on_axis = std::isfinite(y);
        // A join with no place on the axis leaves its node at the top of its
        // taller child, so a link above it still starts from a real point.
        if (!on_axis) y = std::min(ni.y, nj.y);

        if (static_cast<double>(src.n - L) <= src.savelinks) {
            LinkShape shape;
            shape.linkage = L;
            shape.drawn = on_axis;
            shape.lines = {Segment{ni.x, ni.y, ni.x, y}, Segment{nj.x, nj.y, nj.x, y},
                           Segment{ni.x, y, nj.x, y}};
            const XYPoint foot_i = listed_point(ni, f);
            const XYPoint foot_j = listed_point(nj, f);
            shape.corners = {foot_i, XYPoint{foot_i.x, level}, XYPoint{foot_j.x, level}, foot_j};
            shapes.push_back(shape);
        }

        // Every join moves its node, drawn or not, so the links above start
        // at the right place.
        ni.x = single(double{ni.x} + (double{nj.x} - ni.x) / 2);
        ni.y = y;
        ni.level = level;
    }
    return shapes;
}

}  // namespace

std::int32_t station_spacing(std::int32_t n) {
    if (n > 500) return 1;
    if (n > 50) return 4;
    if (n > 37) return 8;
    if (n > 25) return 16;
    return 24;
}

DendrogramFrame dendrogram_frame(float height, std::int32_t n) {
    DendrogramFrame f;
    f.height = height;
    f.base = round_half_even(0.9 * height);
    f.span = round_half_even(0.9 * f.base);
    f.top = f.base - f.span;
    f.line_height = single(f.base / 25.0);
    f.tick_step = round_half_even(f.span / 10.0);
    f.spacing = station_spacing(n);
    return f;
}

AxisScale axis_scale(std::span<const float> JoinLevel, std::int32_t n, Resemblance DistanceFlag,
                     const DendrogramFrame& frame) {
    bool any = false;
    float low = 0, high = 0;
    const std::size_t last =
        std::min<std::size_t>(at(std::max(n - 1, 0)), JoinLevel.empty() ? 0 : JoinLevel.size() - 1);
    for (std::size_t L = 1; L <= last; ++L) {
        const float v = JoinLevel[L];
        if (!std::isfinite(v)) continue;
        if (!any) {
            low = high = v;
            any = true;
        }
        if (v < low) low = v;
        if (v > high) high = v;
    }
    low = widened_low(low);
    high = widened_high(high);

    AxisScale a;
    const bool distance = DistanceFlag == Resemblance::Distance;
    a.bottom = distance ? low : high;
    a.top = distance ? high : low;
    a.step = single((double{a.top} - a.bottom) / kTicks);
    a.number_format = a.top > 50 ? "####" : "##.#";
    // Every level equal (possible only at 1 or 2): a half-unit range keeps
    // the scale finite.
    a.range = a.top == a.bottom ? 0.5 : double{a.top} - a.bottom;
    a.scale = frame.span / a.range;
    return a;
}

float level_y(const AxisScale& axis, const DendrogramFrame& frame, float v) {
    return single(frame.top + (double{axis.top} - v) * axis.scale);
}

DendrogramGeometry dendrogram_geometry(const DendrogramSource& src) {
    DendrogramGeometry g;
    g.frame = dendrogram_frame(src.height, src.n);
    g.axis = axis_scale(src.JoinLevel, src.n, src.DistanceFlag, g.frame);
    const DendrogramFrame& f = g.frame;

    g.title = {kTitleColumns * f.char_width, f.line_height, src.DataTitle};
    // The caption is the next printed line, at Tab(30): 29 characters in.
    g.caption = {(kCaptionColumn - 1) * f.char_width, 2 * f.line_height, src.caption};
    const auto axis_x = static_cast<float>(f.axis_x());
    g.axis_line = {axis_x, static_cast<float>(f.top), axis_x, static_cast<float>(f.base)};
    g.ticks = axis_ticks(f, g.axis, src.DistanceFlag);

    const std::int32_t held = std::min(src.n, static_cast<std::int32_t>(src.LeafOrder.size()) - 1);
    for (std::int32_t p = 1; p <= held; ++p) {
        const auto k = static_cast<std::int64_t>(src.LeafOrder[at(p)]);
        g.leaf_numbers.push_back(
            {f.leaf_x(p) - f.char_width, kLeafNumberLine * f.line_height, printed_number(k)});
    }
    g.links = link_shapes(src, f, g.axis);
    if (traits_of(src.MeasureIndex).reference_line)
        g.reference_dashes = reference_dashes(f, g.axis, src.n);
    return g;
}

}  // namespace tw
