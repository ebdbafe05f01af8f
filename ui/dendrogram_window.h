#pragma once
// The dendrogram window: the observed tree, drawn by the clustering stage,
// and "Continue", which starts the bootstrap test once the drawing is done.
// Beside the drawing, a view to publish from ("Names and clusters") and
// "Save picture...", which keeps whichever view is shown as a file.
//
// The window is Form4 to scripts and tests, and each control keeps the object
// name they address it by, given beside its member.

#include <QWidget>

#include "figure/figure_options.h"
#include "figure/figure_source.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;

namespace tw::ui {

class DendrogramView;
class FigureOptionsDialog;
class FigureView;
class Session;

class DendrogramWindow : public QWidget {
    Q_OBJECT
  public:
    explicit DendrogramWindow(Session& session);

    DendrogramView* Dendrogram;
    QPushButton* continue_button;  // Command1, "Continue", hidden until the tree is drawn
    QPushButton* SavePicture;

    // Publication view: the figure, its switch and the hidden-links note.
    FigureView* PublicationFigure;
    QCheckBox* PublicationView;
    QLabel* HiddenLinksNote;
    // "Figure options...", and what the figure could not show as asked.
    QPushButton* FigureOptions;
    QLabel* FigureNote;
    FigureOptionsDialog* figure_options_dialog();

    // The hierarchy of the run just drawn, and later its verdicts.
    void show_figure(FigureSource source);
    // Saves the view shown; false when there is nothing to save or the
    // file cannot be written. A PNG has `dpi` pixels per inch.
    bool save_picture(const QString& path, int dpi);

    // What the stages ask of the window.
    bool has_drawing() const;
    void set_start_enabled(bool enabled);
    void show_continue(bool visible);
    // The run is over: nothing here can act on it any more.
    void run_closed();

  private slots:
    void on_continue_button_clicked();
    void on_SavePicture_clicked();
    void on_Dendrogram_drawingChanged();
    void on_PublicationView_toggled(bool checked);
    void on_FigureOptions_clicked();
    void on_FigureOptionsDialog_chosen(const tw::FigureOptions& options);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void refit();
    void refit_figure();
    void update_note_and_saving();
    void update_figure_note();
    bool publication_shown() const;

    Session& session_;
    QScrollArea* scroll_;
    QScrollArea* figure_scroll_;
    QStackedWidget* views_;
    FigureOptionsDialog* options_dialog_ = nullptr;
    bool refit_pending_ = false;
};

}  // namespace tw::ui
