#pragma once
// The publication view of Form4: the same hierarchy as the dendrogram box,
// laid out by the core's figure layout to fill the space it is given, with
// names, a titled axis and, after the bootstrap, the clusters. It only
// paints what the layout says.

#include <QWidget>

#include "figure/figure.h"
#include "figure/figure_options.h"
#include "figure/figure_source.h"

namespace tw::ui {

class FigureView : public QWidget {
    Q_OBJECT
  public:
    explicit FigureView(QWidget* parent = nullptr);

    void set_source(FigureSource source);
    void clear();
    bool has_figure() const { return source_.leaves() > 0; }
    const FigureSource& source() const { return source_; }
    const Figure& figure() const { return figure_; }

    // The choices of "Figure options", for the view and the saved figure.
    void set_options(const FigureOptions& options);
    const FigureOptions& options() const { return options_; }

    // Lays the figure out to fill `available` pixels; a tree that needs more
    // room makes the view larger, for the scroll area around it.
    void fit_to(const QSize& available);

    // The figure laid out for a journal page, in points.
    Figure page_figure() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FigureSource source_;
    FigureOptions options_;
    Figure figure_;
    QSize available_;
};

}  // namespace tw::ui
