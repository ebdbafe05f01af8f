#pragma once
// The two pictures of the start-up window, painted rather than loaded so the
// program needs no image files: a small dendrogram over sampling stations,
// and a pond with reeds where such stations would be taken.

#include <QWidget>

namespace tw::ui {

class StartPicture : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Dendrogram, Pond };
    StartPicture(Kind kind, const QString& object_name, QWidget* parent = nullptr);
    QSize sizeHint() const override { return QSize(150, 150); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind kind_;
};

}  // namespace tw::ui
