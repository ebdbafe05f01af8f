#pragma once
// The dendrogram window: the observed tree, drawn by the clustering stage,
// and "Continue", which starts the bootstrap test once the drawing is done.

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace tw::ui {

class DendrogramView;
class Session;

class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(Session& session);

    DendrogramView* Dendrogram;
    QPushButton* Command1;  // "Continue", hidden until the tree is drawn
    QPushButton* SavePicture;

  private slots:
    void on_Command1_clicked();
    void on_SavePicture_clicked();
    void on_Dendrogram_drawingChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void refit();

    Session& session_;
    QScrollArea* scroll_;
    bool refit_pending_ = false;
};

}  // namespace tw::ui
