#pragma once
// Where every part of the dendrogram goes, as plain data: the drawing on the
// canvas and the X-Y coordinate listing in the report are both replayed from
// one DendrogramGeometry, so they cannot disagree.
//
// Drawing units: x to the right, y down, 640 x 320 for the dendrogram window.
// Positions on the canvas are single precision, as the window keeps them. The
// vertical scale is kept in double precision so that a leaf reads back as
// exactly the bottom value and a node as exactly its join level.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "resemblance/measure.h"

namespace tw {

// Drawing constants derived from the height of the drawing area.
struct DendrogramFrame {
    float height = 320;
    std::int32_t base = 288;  // y of the leaves: 0.9 * height
    std::int32_t span = 259;  // height of the tree: 0.9 * base
    std::int32_t top = 29;    // y of the axis top, which is also the axis x
    float char_width = 8;
    float line_height = 11.52f;  // base / 25
    std::int32_t tick_step = 26;
    std::int32_t spacing = 24;  // between neighbouring leaves; shrinks as n grows

    std::int32_t axis_x() const { return top; }
    // Wide trees keep their spacing and run past the right edge of the
    // drawing area; the window scrolls or scales, the geometry never does.
    float leaf_x(std::int32_t position) const {
        return static_cast<float>(axis_x() + spacing * position);
    }
};

// Leaf spacing for n stations: 24 up to 25 stations, 16 up to 37, 8 up to 50,
// 4 up to 500, 1 beyond.
std::int32_t station_spacing(std::int32_t n);
DendrogramFrame dendrogram_frame(float height, std::int32_t n);

// The resemblance axis: `bottom` (B) at the leaves, `top` (T) at the top of
// the axis, so the first joins sit next to the leaves for distances (B < T)
// and similarities (B > T) alike.
struct AxisScale {
    float bottom = 0;
    float top = 1;
    float step = 0.1f;                   // (T - B) / 10 between tick values
    std::string number_format = "##.#";  // "####" when T > 50
    double range = 1;                    // T - B, or 0.5 when every level is the same
    double scale = 259;                  // drawing units per resemblance unit: span / range

    // The resemblance value at the height of the leaves: B, or T - 0.5 when
    // T equals B.
    float leaf_level() const { return static_cast<float>(double{top} - range); }
};

// Bounds from the levels JoinLevel(1..n-1), widened to round values: the
// smallest to 2, 1, .5 or 0 below it (a negative one stays), the largest to
// 1, 1.5, 2 or 5 above it (a larger one stays). Levels that are not finite
// numbers are left out of the bounds; with no finite level the axis runs
// between 0 and 1.
AxisScale axis_scale(std::span<const float> JoinLevel, std::int32_t n, Resemblance DistanceFlag,
                     const DendrogramFrame& frame);

// The y of resemblance value v: top + (T - v) * scale. Not finite when v is not.
float level_y(const AxisScale& axis, const DendrogramFrame& frame, float v);

struct Segment {
    float x1, y1, x2, y2;
};
struct PlacedText {
    float x, y;  // top-left corner
    std::string text;
};
// A point of the coordinate listing: X in leaf positions, Y in resemblance.
struct XYPoint {
    float x, y;
};

struct Tick {
    Segment mark;
    std::optional<PlacedText> label;  // every second tick, from the bottom one
};

// One linkage within the savelinks threshold.
struct LinkShape {
    std::int32_t linkage = 0;
    // False when the level is not a finite number: such a link has no place
    // on the axis and is listed but not drawn.
    bool drawn = true;
    std::array<Segment, 3> lines{};    // up from LinkI's node, up from LinkJ's node, across
    std::array<XYPoint, 4> corners{};  // LinkI foot, LinkI top, LinkJ top, LinkJ foot
};

struct DendrogramGeometry {
    DendrogramFrame frame;
    AxisScale axis;
    PlacedText title;    // the data title
    PlacedText caption;  // method name and measure name
    Segment axis_line{};
    std::vector<Tick> ticks;
    std::vector<PlacedText> leaf_numbers;   // left to right
    std::vector<LinkShape> links;           // in linkage order
    std::vector<Segment> reference_dashes;  // heterogeneity ratio only
};

struct DendrogramSource {
    std::int32_t n = 0;
    std::span<const float> LeafOrder;     // 1..n
    std::span<const std::int16_t> LinkI;  // 1..n-1
    std::span<const std::int16_t> LinkJ;  // 1..n-1
    std::span<const float> JoinLevel;     // 1..n-1
    Resemblance DistanceFlag = Resemblance::Similarity;
    Measure MeasureIndex = Measure::Euclidean;
    double savelinks = 100;  // links are drawn while n - L is at most this
    std::string DataTitle;
    std::string caption;  // "<method name>, <measure name>"
    float height = 320;   // of the drawing area
};

DendrogramGeometry dendrogram_geometry(const DendrogramSource& source);

}  // namespace tw
