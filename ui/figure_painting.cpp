#include "ui/figure_painting.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace tw::ui {

namespace {

// Text is drawn from one face at a large pixel size and scaled to each
// size: fractional sizes keep their exact width, on every device alike.
constexpr double kReferenceSize = 100;

const QFont& reference_font(bool bold) {
    static const QFont plain = [] {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(static_cast<int>(kReferenceSize));
        return f;
    }();
    static const QFont heavy = [] {
        QFont f = plain;
        f.setBold(true);
        return f;
    }();
    return bold ? heavy : plain;
}

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor colour(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void paint_text(QPainter& p, const FigureText& t) {
    const QFont& font = reference_font(t.bold);
    const QFontMetricsF fm(font);
    const double k = t.size / kReferenceSize;
    const double a = fm.ascent() * k;
    const double across = (fm.ascent() + fm.descent()) * k;
    p.save();
    if (t.vertical) {
        p.translate(t.box.left + (t.box.width() - across) / 2 + a, t.box.bottom);
        p.rotate(-90);
    } else {
        p.translate(t.box.left, t.box.top + (t.box.height() - across) / 2 + a);
    }
    p.scale(k, k);
    p.setFont(font);
    p.setPen(colour(t.colour));
    p.drawText(QPointF(0, 0), from_core(t.text));
    p.restore();
}

void paint_marker(QPainter& p, const FigureMarker& m) {
    const double r = m.size / 2;
    const QRectF box(m.x - r, m.y - r, m.size, m.size);
    p.setPen(QPen(Qt::black, std::max(0.8, m.size / 7)));
    switch (m.kind) {
        case MarkerKind::Significant:
            p.setBrush(Qt::black);
            p.drawEllipse(box);
            break;
        case MarkerKind::NotSignificant:
            p.setBrush(Qt::white);
            p.drawEllipse(box);
            break;
        case MarkerKind::ContainsSignificant:
            p.setBrush(Qt::white);
            p.drawRect(box);
            break;
        case MarkerKind::Untested:
            p.drawLine(box.topLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomLeft());
            break;
    }
}

}  // namespace

double figure_text_width(const std::string& text, double size) {
    static const QFontMetricsF fm(reference_font(false));
    return fm.horizontalAdvance(from_core(text)) * size / kReferenceSize;
}

void paint_figure(QPainter& painter, const Figure& figure) {
    painter.save();
    painter.fillRect(QRectF(0, 0, figure.width, figure.height), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const FigureLine& l : figure.lines) {
        QPen pen(colour(l.colour), l.width);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    for (const FigureMarker& m : figure.markers) paint_marker(painter, m);
    for (const FigureText& t : figure.texts) paint_text(painter, t);
    painter.restore();
}

bool save_figure(const Figure& figure, const QString& path, int dpi) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const double w = std::ceil(figure.width);
    const double h = std::ceil(figure.height);
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(static_cast<int>(w), static_cast<int>(h)));
        svg.setViewBox(QRectF(0, 0, w, h));
        svg.setResolution(72);
        svg.setTitle(QStringLiteral("Dendrogram"));
        QPainter p;
        if (!p.begin(&svg)) return false;
        paint_figure(p, figure);
        return p.end();
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        QPainter p;
        if (!p.begin(&pdf)) return false;
        paint_figure(p, figure);
        return p.end();
    }
    const double scale = std::max(dpi, 72) / 72.0;
    QImage image(static_cast<int>(std::ceil(figure.width * scale)),
                 static_cast<int>(std::ceil(figure.height * scale)), QImage::Format_RGB32);
    if (image.isNull()) return false;  // too large to hold
    image.setDotsPerMeterX(static_cast<int>(std::lround(std::max(dpi, 72) / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    paint_figure(p, figure);
    p.end();
    return image.save(path, "PNG");
}

}  // namespace tw::ui
