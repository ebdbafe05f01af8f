#include "ui/ordination_painting.h"

#include <QPainter>

#include "ui/figure_file.h"
#include "ui/figure_painting.h"
#include "ui/picture_file.h"

namespace tw::ui {

void paint_ordination(QPainter& painter, const OrdinationFigure& o) {
    Figure under = o.figure;
    under.texts.clear();
    paint_figure(painter, under);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PlotDot& d : o.dots) {
        const QColor c(d.colour.r, d.colour.g, d.colour.b);
        painter.setPen(QPen(c.darker(140), 0.5));
        painter.setBrush(c);
        painter.drawEllipse(QPointF(d.x, d.y), d.size / 2, d.size / 2);
    }
    painter.restore();
    // The texts alone: a figure of no size paints no background over the dots.
    Figure over;
    over.texts = o.figure.texts;
    paint_figure(painter, over);
}

bool save_ordination(const OrdinationFigure& figure, const QString& path, int dpi) {
    return save_picture(path, QSizeF(figure.figure.width, figure.figure.height), dpi,
                        [&figure](QPainter& p) { paint_ordination(p, figure); });
}

bool write_ordination_file(const OrdinationFigure& figure, const std::string& path, int dpi) {
    ensure_gui_application();
    return save_ordination(figure, QString::fromStdString(path), dpi);
}

}  // namespace tw::ui
