#pragma once
// "Figure options": the choices of the publication view, asked in a small
// dialog beside the dendrogram window and kept for the rest of the session.
// OK hands them to the window; Cancel leaves the figure as it was.
//
// The choices are option-button arrays named as the windows name theirs:
// FigureLeaves (0 at the bottom, 1 on the left), FigureColours (0 colour,
// 1 greyscale), FigureP (0 all tested, 1 significant only, 2 none).

#include <QDialog>
#include <array>

#include "figure/figure_options.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tw::ui {

class FigureOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FigureOptionsDialog(QWidget* parent);

    // Shows the dialog with `options` in its controls.
    void edit(const FigureOptions& options);
    FigureOptions options() const;

    QLineEdit* FigureTitle;
    std::array<QRadioButton*, 2> FigureLeaves;
    QLineEdit* FigureLabelSize;  // blank: as large as the page allows
    std::array<QRadioButton*, 2> FigureColours;
    std::array<QRadioButton*, 3> FigureP;
    QCheckBox* FigureClusters;
    QLineEdit* FigureTipNames;
    QCheckBox* FigureCutLine;
    QPushButton* FigureOptionsOk;
    QPushButton* FigureOptionsCancel;

  signals:
    void chosen(const tw::FigureOptions& options);

  private slots:
    void on_FigureOptionsOk_clicked();

  private:
    FigureOptions kept_;  // what the dialog does not show (resolution)
};

}  // namespace tw::ui
