#include "render/picture_file.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace tw::ui {

namespace {

bool paint_on(QPaintDevice& device, const std::function<void(QPainter&)>& paint) {
    QPainter p;
    if (!p.begin(&device)) return false;
    paint(p);
    return p.end();
}

}  // namespace

bool save_picture(const QString& path, QSizeF points, int dpi,
                  const std::function<void(QPainter&)>& paint) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(static_cast<int>(std::ceil(points.width())),
                          static_cast<int>(std::ceil(points.height()))));
        svg.setViewBox(QRectF(QPointF(0, 0), points));
        svg.setResolution(72);
        svg.setTitle(QStringLiteral("Dendrogram"));
        return paint_on(svg, paint);
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(points, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        return paint_on(pdf, paint);
    }
    const int resolution = std::max(dpi, 72);
    const double px = resolution / 72.0;  // pixels per point
    QImage image(static_cast<int>(std::ceil(points.width() * px)),
                 static_cast<int>(std::ceil(points.height() * px)), QImage::Format_RGB32);
    if (image.isNull()) return false;  // too large to hold
    image.setDotsPerMeterX(static_cast<int>(std::lround(resolution / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(px, px);
    paint(p);
    p.end();
    return image.save(path, "PNG");
}

}  // namespace tw::ui
