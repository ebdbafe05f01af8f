#pragma once
// What the dendrogram picture box holds: lines and texts in drawing units
// (x to the right, y down), painted at any scale onto a widget, an image, an
// SVG or a PDF page.

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace tw::ui {

struct DrawnLine {
    double x1, y1, x2, y2;
};

struct DrawnText {
    double x, y;  // top-left corner
    QString text;
};

struct DendrogramDrawing {
    // The drawing area as the core set it (640 x 320 for the dendrogram).
    double width = 640;
    double height = 320;
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> texts;

    bool empty() const { return lines.empty() && texts.empty(); }
    // Right edge of everything drawn, never less than the drawing width: a
    // tree of many stations runs past the 640 units.
    double extent() const;
};

// Width of one character of drawn text, in drawing units.
inline constexpr double kCharWidth = 8.0;

// Paints the drawing with its top-left at the painter's origin, one drawing
// unit per painter unit: white background over the whole extent, black lines
// and text. Given `visible` (in drawing units), only what falls in it is
// painted: a window shows a few hundred of a large tree's tens of thousands
// of items, and painting them all kept the windows from their next turn.
void paint_drawing(QPainter& painter, const DendrogramDrawing& drawing,
                   const QRectF& visible = QRectF());

// Writes the drawing to `path`: SVG, PNG or PDF by the file's suffix
// (anything else is written as PNG), sized for a journal page: the drawing's
// whole width fills the 174 mm of a two-column figure (SVG and PDF in
// points), and a PNG has `dpi` pixels per inch. Returns false when it cannot
// be written.
bool save_drawing(const DendrogramDrawing& drawing, const QString& path, int dpi);

}  // namespace tw::ui
