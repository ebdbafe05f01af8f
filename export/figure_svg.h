#pragma once
// An ordination figure as SVG text without the window system, for the batch
// command: lines, dots and texts in points, text kept as text, in the
// figure's own typeface (figure/text_metrics.h).

#include <string>

#include "ordination/ordination_layout.h"

namespace tw {

std::string ordination_svg(const OrdinationFigure& figure);

}  // namespace tw
