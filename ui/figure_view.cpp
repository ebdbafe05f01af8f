#include "ui/figure_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "figure/publication_layout.h"
#include "ui/figure_painting.h"

namespace tw::ui {

namespace {

// Below this the figure scrolls rather than shrink further.
constexpr int kSmallestWidth = 320;
constexpr int kSmallestHeight = 200;

}  // namespace

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PublicationFigure"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kSmallestWidth, kSmallestHeight);
}

void FigureView::set_source(FigureSource source) {
    source_ = std::move(source);
    figure_ = Figure{};  // laid out by the next fit_to
    update();
}

void FigureView::set_options(const FigureOptions& options) {
    options_ = options;
    fit_to(available_.isValid() ? available_ : size());
}

void FigureView::clear() {
    source_ = FigureSource{};
    figure_ = Figure{};
    update();
}

void FigureView::fit_to(const QSize& available) {
    available_ = available;
    FigurePage page;
    page.width = std::max(available.width(), kSmallestWidth);
    page.height = std::max(available.height(), kSmallestHeight);
    page.smallest_font = 7;  // the smallest a screen shows legibly
    figure_ = publication_layout(source_, page, figure_text_width, options_);
    setFixedSize(static_cast<int>(std::ceil(std::max(figure_.width, page.width))),
                 static_cast<int>(std::ceil(std::max(figure_.height, page.height))));
    update();
}

Figure FigureView::page_figure() const {
    return publication_layout(source_, journal_page(), figure_text_width, options_);
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    paint_figure(p, figure_);
}

}  // namespace tw::ui
