#pragma once
// Paints a laid-out publication figure, on screen or into a picture file.
// Text stays text in SVG and PDF, so a journal's editor can still select it.

#include <QString>
#include <string>

#include "figure/figure.h"
#include "figure/publication_layout.h"
#include "figure/text_metrics.h"

class QPainter;

namespace tw::ui {

// Paints `figure` with its top-left at the painter's origin, one figure unit
// per painter unit, on white.
void paint_figure(QPainter& painter, const Figure& figure);

// Writes the figure as SVG, PDF or PNG by the file's suffix (anything else
// is written as PNG). Figure units are points; a PNG has `dpi` pixels per
// inch. The SVG is the core's own text, byte for byte what the batch command
// writes. Returns false when it cannot be written.
bool save_figure(const Figure& figure, const QString& path, int dpi);

}  // namespace tw::ui
