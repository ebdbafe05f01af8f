#pragma once
// A laid-out figure: every line, text and marker in figure units (pixels on
// screen, points on a page; x to the right, y down). Painting it is the only
// work left to the window or the picture file.

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kInk{0, 0, 0};
inline constexpr Rgb kMutedInk{96, 96, 96};

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    // Touching edges do not count: neighbouring labels may share a border.
    bool overlaps(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

enum class TextRole {
    Title,
    MethodLine,
    Note,
    AxisTitle,
    TickLabel,
    LeafLabel,
    ClusterId,
    PValue,
    Legend,
};

struct FigureText {
    Box box;  // the text fills it; a vertical text reads from the bottom up
    std::string text;
    TextRole role = TextRole::LeafLabel;
    double size = 10;  // font size in figure units
    Rgb colour = kInk;
    bool vertical = false;
    bool bold = false;
};

struct FigureLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour = kInk;
    double width = 1;
    bool dashed = false;
};

// How a node of the tree is marked once the bootstrap has run.
enum class MarkerKind {
    Significant,          // filled circle, with its P
    NotSignificant,       // open circle, with its P
    ContainsSignificant,  // open square: not tested, holds a significant linkage
    Untested,             // cross: not tested, too few stations or given up
};

struct FigureMarker {
    double x = 0, y = 0;
    double size = 6;  // across
    MarkerKind kind = MarkerKind::Significant;
};

enum class Orientation {
    Upright,   // leaves along the bottom, the root at the top
    Sideways,  // leaves down the left side, the root at the right
};

struct Figure {
    double width = 0, height = 0;
    Orientation orientation = Orientation::Upright;
    double font_size = 10;  // of the leaf labels
    std::vector<FigureLine> lines;
    std::vector<FigureText> texts;
    std::vector<FigureMarker> markers;
    std::int32_t p_left_out = 0;    // tested nodes whose P found no clear place
    bool taller_than_page = false;  // the names view of a tree too tall for a page

    bool empty() const { return lines.empty() && texts.empty(); }
};

}  // namespace tw
