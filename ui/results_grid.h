#pragma once
// FORM5.Grid_out as the core sees it: row 0 is the heading row (shown as the
// table's column headings), row L the line of linkage L.

#include <QString>

#include "run/host.h"

class QTableWidget;
class QWidget;

namespace tw::ui {

class GridAdapter : public ResultsGrid {
  public:
    explicit GridAdapter(QTableWidget* table) : table_(table) {}

    void set_rows(int rows) override;
    void set_cell(int row, int column, const std::string& text) override;
    void set_text_colour(GridColour colour) override;

    // The grid as tab-separated lines, heading row first.
    QString tab_separated() const;

  private:
    QTableWidget* table_;
};

// A table widget set up as the results grid: four columns, no row numbers.
QTableWidget* make_results_table(QWidget* parent);

}  // namespace tw::ui
