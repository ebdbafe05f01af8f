#include "render/figure_painting.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "figure/svg_writer.h"
#include "render/picture_file.h"

namespace tw::ui {

namespace {

// Text is drawn from one face at a large pixel size and scaled to each
// size: fractional sizes keep their exact width, on every device alike.
// Without kerning, a text is as wide as the sum of its letters, which is
// how the layout measures it.
constexpr double kReferenceSize = 100;

const QFont& reference_font(bool bold) {
    static const QFont plain = [] {
        QFont f(QString::fromLatin1(kFaceName));
        f.setStyleHint(QFont::SansSerif);
        f.setKerning(false);
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

void paint_figure(QPainter& painter, const Figure& figure) {
    painter.save();
    painter.fillRect(QRectF(0, 0, figure.width, figure.height), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const FigureLine& l : figure.lines) {
        QPen pen(colour(l.colour), l.width);
        pen.setCapStyle(l.dashed ? Qt::FlatCap : Qt::SquareCap);
        // Dashes of 4 and gaps of 3 points, as the SVG has them.
        if (l.dashed) pen.setDashPattern({4 / l.width, 3 / l.width});
        painter.setPen(pen);
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }
    for (const FigureMarker& m : figure.markers) paint_marker(painter, m);
    for (const FigureText& t : figure.texts) paint_text(painter, t);
    painter.restore();
}

bool save_figure(const Figure& figure, const QString& path, int dpi) {
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        const std::string svg = figure_svg(figure);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
        const auto size = static_cast<qint64>(svg.size());
        return file.write(svg.data(), size) == size && file.flush();
    }
    return save_picture(path, QSizeF(figure.width, figure.height), dpi,
                        [&figure](QPainter& p) { paint_figure(p, figure); });
}

}  // namespace tw::ui
