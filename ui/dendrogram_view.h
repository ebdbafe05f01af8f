#pragma once
// The dendrogram picture box of Form4. The core draws on it in drawing units
// (640 x 320); it keeps every line and text and paints them scaled to the
// space it has. A tree that runs past 640 units keeps the same scale and
// makes the box wider, for the scroll area around it to scroll.

#include <QWidget>

#include "run/host.h"
#include "ui/dendrogram_drawing.h"

namespace tw::ui {

class DendrogramView : public QWidget, public Canvas {
    Q_OBJECT
  public:
    explicit DendrogramView(QWidget* parent = nullptr);

    // Canvas
    void clear() override;
    void set_scale(float width, float height) override;
    void line(float x1, float y1, float x2, float y2) override;
    void text(float x, float y, const std::string& s) override;

    const DendrogramDrawing& drawing() const { return drawing_; }

    // Size the box for a viewport of `available` pixels: the 640 x 320 area
    // fills it, wider trees run on to the right at the same scale.
    void fit_to(const QSize& available);
    double scale() const { return scale_; }

    // What the box shows, one item a line ("LINE x1 y1 x2 y2", "TEXT x y s").
    QString listing() const;

  signals:
    void drawingChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void changed();

    DendrogramDrawing drawing_;
    double scale_ = 1.0;
    bool repaint_asked_ = false;  // an update() since the last paint
};

}  // namespace tw::ui
