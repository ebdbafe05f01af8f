#include "ui/start_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace tw::ui {

namespace {

void paint_dendrogram(QPainter& p) {
    p.fillRect(QRectF(0, 0, 100, 100), QColor(0xf4, 0xf1, 0xe8));
    QPen pen(QColor(0x2f, 0x4f, 0x3f), 2.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // Leaves at x = 15, 30, 45, 60, 75, 90 (y 80); joins nested pairwise.
    const std::array<double, 6> x{12, 27, 42, 58, 73, 88};
    auto join = [&](double xa, double ya, double xb, double yb, double y) {
        p.drawLine(QPointF(xa, ya), QPointF(xa, y));
        p.drawLine(QPointF(xb, yb), QPointF(xb, y));
        p.drawLine(QPointF(xa, y), QPointF(xb, y));
        return (xa + xb) / 2;
    };
    const double a = join(x[0], 78, x[1], 78, 62);
    const double b = join(x[2], 78, x[3], 78, 56);
    const double c = join(x[4], 78, x[5], 78, 66);
    const double ab = join(a, 62, b, 56, 38);
    join(ab, 38, c, 66, 18);
    // The stations as coloured dots, one colour per community.
    const std::array<QColor, 3> colours{QColor(0x3b, 0x7d, 0xa8), QColor(0xc0, 0x8b, 0x2e),
                                        QColor(0x6a, 0x9a, 0x3a)};
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < x.size(); ++i) {
        p.setBrush(colours[i / 2]);
        p.drawEllipse(QPointF(x[i], 86), 5, 5);
    }
}

void paint_pond(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 55);
    sky.setColorAt(0, QColor(0xcf, 0xe3, 0xf0));
    sky.setColorAt(1, QColor(0xf2, 0xf6, 0xf0));
    p.fillRect(QRectF(0, 0, 100, 100), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8f, 0xb0, 0x6a));
    p.drawRect(QRectF(0, 50, 100, 50));
    QLinearGradient water(0, 55, 0, 95);
    water.setColorAt(0, QColor(0x4a, 0x86, 0xb0));
    water.setColorAt(1, QColor(0x2b, 0x5a, 0x7e));
    p.setBrush(water);
    p.drawEllipse(QRectF(12, 58, 76, 30));
    // Ripples and reeds.
    p.setPen(QPen(QColor(0xd8, 0xea, 0xf4), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(30, 68, 24, 6), 0, 180 * 16);
    p.drawArc(QRectF(50, 76, 18, 5), 0, 180 * 16);
    p.setPen(QPen(QColor(0x3d, 0x5a, 0x2a), 1.6));
    for (double x : {8.0, 11.0, 14.0, 86.0, 89.0, 92.0}) {
        QPainterPath reed(QPointF(x, 66));
        reed.quadTo(QPointF(x + 1, 50), QPointF(x + (x < 50 ? -2 : 2), 36));
        p.drawPath(reed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x4a, 0x2b));
    p.drawRoundedRect(QRectF(9, 38, 3, 9), 1.5, 1.5);
    p.drawRoundedRect(QRectF(88, 40, 3, 9), 1.5, 1.5);
    // A sampling quadrat floating on the water.
    p.setPen(QPen(QColor(0xf0, 0xc0, 0x40), 1.5));
    p.drawRect(QRectF(58, 62, 12, 8));
}

}  // namespace

StartPicture::StartPicture(Kind kind, const QString& object_name, QWidget* parent)
    : QWidget(parent), kind_(kind) {
    setObjectName(object_name);
    setMinimumSize(110, 110);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFixedSize(120, 120);
}

void StartPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / 100.0, height() / 100.0);
    if (kind_ == Kind::Dendrogram) {
        paint_dendrogram(p);
    } else {
        paint_pond(p);
    }
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.4, 0.4, 99.2, 99.2));
}

}  // namespace tw::ui
