#pragma once
// FORM5.Grid_out as the core sees it: row 0 is the heading row (shown as the
// table's column headings), row L the line of linkage L.

#include <QString>

#include "run/host.h"

class QTableView;
class QWidget;

namespace tw::ui {

class ResultsModel;

class GridAdapter : public ResultsGrid {
  public:
    GridAdapter(QTableView* table, ResultsModel* model) : table_(table), model_(model) {}

    void set_rows(int rows) override;
    void set_cell(int row, int column, const std::string& text) override;
    void set_text_colour(GridColour colour) override;

    // The design's four columns as tab-separated lines, heading row first.
    QString tab_separated() const;

  private:
    QTableView* table_;
    ResultsModel* model_;
};

// A table view set up as the results grid over `model`: one line of text a
// row, no row numbers, and columns fitted to their widest text whenever the
// texts have changed (once per burst of changes, never once a row).
QTableView* make_results_table(ResultsModel* model, QWidget* parent);

}  // namespace tw::ui
