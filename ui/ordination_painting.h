#pragma once
// Paints a laid-out ordination figure (the plot or the Shepard diagram), on
// screen or into a picture file: lines first, the dots over them, the texts
// on top.

#include <QString>
#include <string>

#include "ordination/ordination_layout.h"

class QPainter;

namespace tw::ui {

void paint_ordination(QPainter& painter, const OrdinationFigure& figure);

// SVG, PDF or PNG by the file's suffix, `dpi` pixels per inch for a PNG.
bool save_ordination(const OrdinationFigure& figure, const QString& path, int dpi);

// The same from a program without windows (the batch command).
bool write_ordination_file(const OrdinationFigure& figure, const std::string& path, int dpi);

}  // namespace tw::ui
