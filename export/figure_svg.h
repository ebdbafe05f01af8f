#pragma once
// An ordination figure as SVG text without the window system, for the batch
// command: lines, dots and texts in points, text kept as text. Text widths
// are those of text_width_estimate, which errs wide, so a label placed by
// it never overprints another in the reader's font.

#include <string>

#include "ordination/ordination_layout.h"

namespace tw {

std::string ordination_svg(const OrdinationFigure& figure);

// Width of `text` at `size` in a plain sans face, from the widths of its
// characters' classes (narrow, wide, capitals, the rest).
double text_width_estimate(const std::string& text, double size);

}  // namespace tw
