#pragma once
// A laid-out figure as SVG text: lines, marks and text kept as text in the
// figure's own face, one figure unit a point. Written here rather than by a
// drawing library so that the windows and the batch command write the same
// bytes for the same figure, on any machine.

#include <string>

#include "figure/figure.h"

namespace tw {

std::string figure_svg(const Figure& figure);

}  // namespace tw
