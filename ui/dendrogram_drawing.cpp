#include "ui/dendrogram_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/picture_file.h"

namespace tw::ui {

namespace {

// The core places tick labels of up to four characters between x = 7 and the
// axis at x = 29, and leaf numbers 8 units left of their leaf, as for a small
// proportional screen font: a condensed face 10 units high keeps "47.3"
// clear of the axis and the title lines (11.52 units apart) clear of each
// other.
QFont drawing_font() {
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setStyleHint(QFont::SansSerif);
    f.setStretch(QFont::SemiCondensed);
    f.setPixelSize(10);
    return f;
}

// Text is drawn below its top-left corner, about one font height deep.
constexpr double kTextHeight = 12.0;

bool line_in(const DrawnLine& l, const QRectF& r) {
    return std::max(l.x1, l.x2) >= r.left() && std::min(l.x1, l.x2) <= r.right() &&
           std::max(l.y1, l.y2) >= r.top() && std::min(l.y1, l.y2) <= r.bottom();
}

bool text_in(const DrawnText& t, const QRectF& r) {
    return t.x + kCharWidth * static_cast<double>(t.text.size()) >= r.left() && t.x <= r.right() &&
           t.y + kTextHeight >= r.top() && t.y <= r.bottom();
}

}  // namespace

double DendrogramDrawing::extent() const {
    double right = width;
    for (const DrawnLine& l : lines) right = std::max({right, l.x1, l.x2});
    for (const DrawnText& t : texts) right = std::max(right, t.x + kCharWidth * t.text.size());
    return right;
}

void paint_drawing(QPainter& painter, const DendrogramDrawing& drawing, const QRectF& visible) {
    // A pen's width and antialiasing reach a unit past a line's ends.
    const QRectF area = visible.isNull() ? QRectF() : visible.adjusted(-1, -1, 1, 1);
    painter.save();
    painter.fillRect(area.isNull() ? QRectF(0, 0, drawing.extent(), drawing.height) : area,
                     Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    painter.setPen(pen);
    for (const DrawnLine& l : drawing.lines) {
        if (area.isNull() || line_in(l, area))
            painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    const QFont font = drawing_font();
    painter.setFont(font);
    const double ascent = QFontMetricsF(font).ascent();
    for (const DrawnText& t : drawing.texts) {
        if (area.isNull() || text_in(t, area)) painter.drawText(QPointF(t.x, t.y + ascent), t.text);
    }
    painter.restore();
}

bool save_drawing(const DendrogramDrawing& drawing, const QString& path, int dpi) {
    constexpr double kPageWidthPt = 174 * 72.0 / 25.4;
    const double pt = kPageWidthPt / std::ceil(drawing.extent());  // points per drawing unit
    return save_picture(path, QSizeF(kPageWidthPt, drawing.height * pt), dpi,
                        [&drawing, pt](QPainter& p) {
                            p.scale(pt, pt);
                            paint_drawing(p, drawing);
                        });
}

}  // namespace tw::ui
