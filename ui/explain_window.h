#pragma once
// "What makes each cluster": the run's similarity percentages and indicator
// values in two tables a reader can sort by any column (click its heading)
// and copy (Ctrl+C, or the context menu) into a spreadsheet, headings and all.

#include <QWidget>

class QLabel;
class QTableWidget;

namespace tw {
struct RunContext;
struct ClusterExplanation;
}  // namespace tw

namespace tw::ui {

class ExplainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ExplainWindow(QWidget* parent = nullptr);

    // Fills both tables from the run's explanation.
    void show_explanation(const RunContext& ctx, const ClusterExplanation& e);

    QLabel* Summary;
    QTableWidget* SimperTable;
    QTableWidget* IndicatorTable;

  private:
    QTableWidget* make_table(const char* name);
};

// The selected cells of `table` as tab-separated lines under their column
// headings, rows in the order shown: what Ctrl+C puts on the clipboard.
QString selected_cells_text(const QTableWidget& table);

}  // namespace tw::ui
