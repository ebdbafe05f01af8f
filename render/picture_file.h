#pragma once
// Writing a picture to a file: SVG or PDF with real text, or a PNG bitmap,
// chosen by the file's suffix (anything else is written as PNG).

#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

namespace tw::ui {

// Paints a picture of `points` (width and height in points, 72 to the inch)
// with `paint`, whose painter is set up in points, into `path`. A PNG has
// `dpi` pixels per inch (at least 72). Returns false when the file cannot be
// written, or the bitmap would be too large to hold.
bool save_picture(const QString& path, QSizeF points, int dpi,
                  const std::function<void(QPainter&)>& paint);

}  // namespace tw::ui
