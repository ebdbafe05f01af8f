#include "ui/dendrogram_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tw::ui {

DendrogramView::DendrogramView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Dendrogram"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 160);
}

void DendrogramView::clear() {
    drawing_.lines.clear();
    drawing_.texts.clear();
    changed();
}

void DendrogramView::set_scale(float width, float height) {
    if (width > 0) drawing_.width = width;
    if (height > 0) drawing_.height = height;
    changed();
}

void DendrogramView::line(float x1, float y1, float x2, float y2) {
    drawing_.lines.push_back({x1, y1, x2, y2});
    changed();
}

void DendrogramView::text(float x, float y, const std::string& s) {
    QString t = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    t.remove(QLatin1Char('\r'));
    t.remove(QLatin1Char('\n'));
    drawing_.texts.push_back({x, y, t});
    changed();
}

void DendrogramView::changed() {
    // Many items arrive in a burst: ask for one repaint, which comes once the
    // burst is over; asking again for every item of a large tree costs more
    // than drawing it.
    if (!repaint_asked_) {
        repaint_asked_ = true;
        update();
    }
    emit drawingChanged();
}

void DendrogramView::fit_to(const QSize& available) {
    const double w = std::max(available.width(), 1);
    const double h = std::max(available.height(), 1);
    scale_ = std::max(0.25, std::min(w / drawing_.width, h / drawing_.height));
    const int width = static_cast<int>(std::ceil(drawing_.extent() * scale_));
    const int height = static_cast<int>(std::ceil(drawing_.height * scale_));
    setFixedSize(std::max(width, available.width()), std::max(height, available.height()));
    update();
}

QString DendrogramView::listing() const {
    QString out;
    for (const DrawnLine& l : drawing_.lines) {
        out += QStringLiteral("LINE %1 %2 %3 %4\n").arg(l.x1).arg(l.y1).arg(l.x2).arg(l.y2);
    }
    for (const DrawnText& t : drawing_.texts) {
        out += QStringLiteral("TEXT %1 %2 %3\n").arg(t.x).arg(t.y).arg(t.text);
    }
    return out;
}

void DendrogramView::paintEvent(QPaintEvent* event) {
    repaint_asked_ = false;
    QPainter p(this);
    const QRect exposed = event->rect();
    p.fillRect(exposed, Qt::white);
    p.scale(scale_, scale_);
    const QRectF visible(exposed.x() / scale_, exposed.y() / scale_, exposed.width() / scale_,
                         exposed.height() / scale_);
    paint_drawing(p, drawing_, visible);
}

}  // namespace tw::ui
