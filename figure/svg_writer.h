#pragma once
// A laid-out figure as SVG text: lines, marks and text kept as text in the
// figure's own face, one figure unit a point. Written here rather than by a
// drawing library so that the windows and the batch command write the same
// bytes for the same figure, on any machine.

#include <string>
#include <vector>

#include "figure/figure.h"

namespace tw {

// A filled dot, drawn over the figure's lines and marks and under its texts
// (the objects of an ordination).
struct SvgDot {
    double x = 0, y = 0;
    double size = 5;  // across
    Rgb colour = kInk;
};

std::string figure_svg(const Figure& figure, const std::vector<SvgDot>& dots = {});

}  // namespace tw
