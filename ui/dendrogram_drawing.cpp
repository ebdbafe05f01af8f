#include "ui/dendrogram_drawing.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

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

}  // namespace

double DendrogramDrawing::extent() const {
    double right = width;
    for (const DrawnLine& l : lines) right = std::max({right, l.x1, l.x2});
    for (const DrawnText& t : texts) right = std::max(right, t.x + kCharWidth * t.text.size());
    return right;
}

void paint_drawing(QPainter& painter, const DendrogramDrawing& drawing) {
    painter.save();
    painter.fillRect(QRectF(0, 0, drawing.extent(), drawing.height), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    painter.setPen(pen);
    for (const DrawnLine& l : drawing.lines) {
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    const QFont font = drawing_font();
    painter.setFont(font);
    const double ascent = QFontMetricsF(font).ascent();
    for (const DrawnText& t : drawing.texts) {
        painter.drawText(QPointF(t.x, t.y + ascent), t.text);
    }
    painter.restore();
}

bool save_drawing(const DendrogramDrawing& drawing, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const double w = std::ceil(drawing.extent());
    const double h = drawing.height;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(static_cast<int>(w), static_cast<int>(h)));
        svg.setViewBox(QRectF(0, 0, w, h));
        svg.setTitle(QStringLiteral("Dendrogram"));
        QPainter p;
        if (!p.begin(&svg)) return false;
        paint_drawing(p, drawing);
        return p.end();
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        QPainter p;
        if (!p.begin(&pdf)) return false;
        paint_drawing(p, drawing);
        return p.end();
    }
    // A bitmap at twice the drawing units keeps the labels sharp.
    const int scale = 2;
    QImage image(static_cast<int>(w) * scale, static_cast<int>(h) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    paint_drawing(p, drawing);
    p.end();
    return image.save(path, "PNG");
}

bool save_drawing(const DendrogramDrawing& drawing, const QString& path, int dpi) {
    constexpr double kPageWidthPt = 174 * 72.0 / 25.4;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const double units = std::ceil(drawing.extent());
    const double pt = kPageWidthPt / units;  // points per drawing unit
    const double w = kPageWidthPt;
    const double h = drawing.height * pt;
    const auto paint_on = [&](QPaintDevice& device) {
        QPainter p;
        if (!p.begin(&device)) return false;
        p.scale(pt, pt);
        paint_drawing(p, drawing);
        return p.end();
    };
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h))));
        svg.setViewBox(QRectF(0, 0, w, h));
        svg.setResolution(72);
        svg.setTitle(QStringLiteral("Dendrogram"));
        return paint_on(svg);
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        return paint_on(pdf);
    }
    const double px = pt * std::max(dpi, 72) / 72.0;  // pixels per drawing unit
    QImage image(static_cast<int>(std::ceil(units * px)),
                 static_cast<int>(std::ceil(drawing.height * px)), QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.setDotsPerMeterX(static_cast<int>(std::lround(std::max(dpi, 72) / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(px, px);
    paint_drawing(p, drawing);
    p.end();
    return image.save(path, "PNG");
}

}  // namespace tw::ui
