#pragma once
// Paints a laid-out publication figure, on screen or into a picture file.
// Text stays text in SVG and PDF, so a journal's editor can still select it.

#include <QString>
#include <string>

#include "figure/figure.h"
#include "figure/publication_layout.h"

class QPainter;

namespace tw::ui {

// Text widths as the figure's typeface has them: what the layout measures
// with is what the painter draws.
double figure_text_width(const std::string& text, double size);

// Paints `figure` with its top-left at the painter's origin, one figure unit
// per painter unit, on white.
void paint_figure(QPainter& painter, const Figure& figure);

// Writes the figure as SVG, PDF or PNG by the file's suffix (anything else
// is written as PNG). Figure units are points; a PNG has `dpi` pixels per
// inch. Returns false when it cannot be written.
bool save_figure(const Figure& figure, const QString& path, int dpi);

}  // namespace tw::ui
