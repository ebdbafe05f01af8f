#pragma once
// "Messages & Linkage Table": the bootstrap test's progress (link_table), the
// alpha level it tests at, the results grid, and "Finish", which ends the run.

#include <QWidget>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableWidget;
class QFrame;

namespace tw {
struct RunContext;
}

namespace tw::ui {

class GridAdapter;
class Session;
class TextPanel;

class FORM5 : public QWidget {
    Q_OBJECT
  public:
    explicit FORM5(Session& session);
    ~FORM5() override;

    GridAdapter& grid() { return *grid_; }

    TextPanel* link_table;
    QTableWidget* Grid_out;
    QLabel* Label1;  // alpha
    QLabel* Sig_level;
    QLabel* Label2;  // "Level"
    QFrame* Line1;
    QPushButton* Command1;  // "Finish", hidden until the test is complete

    // Details for a reader, beside the design's grid columns: member labels,
    // the standard error of P, why a linkage was not tested, every cluster
    // with its members, and the run's report text.
    QPlainTextEdit* ClusterList;
    QPushButton* ShowReport;  // "Report..."
    void show_linkage_details(const RunContext& ctx);
    void clear_linkage_details();

  private slots:
    void on_Command1_clicked();
    void on_Command1_keyPressed(int key);
    void on_ShowReport_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QSplitter* build_details_panel();

    Session& session_;
    std::unique_ptr<GridAdapter> grid_;
};

}  // namespace tw::ui
