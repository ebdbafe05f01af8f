#pragma once
// "Messages & Linkage Table": the bootstrap test's progress (link_table), the
// alpha level it tests at, the results grid, and "Finish", which ends the run.
//
// The window is FORM5 to scripts and tests, and each control keeps the object
// name they address it by, given beside its member.

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "run/host.h"

class QLabel;
class QProgressBar;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;
class QFrame;
class QLayout;

namespace tw {
struct RunContext;
struct RunOrdination;
}  // namespace tw

namespace tw::ui {

class GridAdapter;
class OrdinationWindow;
class ResultsModel;
class Session;
class TextPanel;

class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsWindow(Session& session);
    ~ResultsWindow() override;

    GridAdapter& grid() { return *grid_; }

    TextPanel* link_table;
    QTableView* Grid_out;
    QLabel* alpha_label;         // Label1, alpha
    QLabel* alpha_value;         // Sig_level
    QLabel* level_label;         // Label2, "Level"
    QFrame* divider;             // Line1
    QPushButton* finish_button;  // Command1, "Finish", hidden until the test is complete

    // The bootstrap test's progress, and the button that stops it.
    QProgressBar* BootProgress;
    QLabel* ProgressText;
    QPushButton* StopTest;  // "Stop test"
    void test_started();
    // `repaint`: the windows have had a turn since the last repaint, so the
    // bar and its line may be brought up to date (the end always is).
    void show_progress(const TestProgress& progress, bool repaint);
    void test_ended(bool stopped);
    // After "Finish", or once the run is closed otherwise: nothing here can
    // act on the run any more.
    void run_closed();
    // What the stages ask of the window.
    void set_start_enabled(bool enabled);
    void show_finish(bool visible);
    void show_alpha(const QString& alpha);

    // Details for a reader, beside the design's grid columns: member labels,
    // the standard error of P, why a linkage was not tested, every cluster
    // with its members, and the run's report text.
    QPlainTextEdit* ClusterList;
    QPushButton* ShowReport;  // "Report..."
    void show_linkage_details(const RunContext& ctx);
    void clear_linkage_details();
    // The results out: the seed the test used, "Export..." once the results
    // are complete, and the rows whose verdict more replicates could change.
    QLabel* SeedUsed;
    QLabel* UncertainNote;  // explains the shaded rows, shown when there are any
    QPushButton* Export;
    QLabel* ExportStatus;          // what the last "Export..." wrote, and where
    QPushButton* ExplainClusters;  // "What makes each cluster...", beside Export
    // `test` words the note and the tips: more bootstrap samples, or more
    // permutations, could change a shaded verdict.
    void show_results_complete(const QString& seed_used, const std::vector<int>& uncertain_rows,
                               SignificanceTest test);
    void clear_results_complete();
    void clear_uncertain_rows();
    // "Ordination...", beside "Export...": the run's objects placed by
    // non-metric scaling in a window of their own, once the results are
    // complete. The ordination of the open run goes with its exports.
    QPushButton* Ordination;
    OrdinationWindow* ordination_window() const { return ordination_window_.get(); }
    const RunOrdination* ordination_of_run() const;
    void show_exported(const QStringList& files);
    // After "Finish" the grid is blank: there is nothing left to export.
    void results_gone();

  signals:
    // The progress bar moved: `done` replicates of the whole test.
    void progressShown(qint64 done);

  private slots:
    void on_finish_button_clicked();
    void on_finish_button_keyPressed(int key);
    void on_StopTest_clicked();
    void on_ShowReport_clicked();
    void on_Export_clicked();
    void on_ExplainClusters_clicked();
    void on_Ordination_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void show_bar(const TestProgress& progress);
    QLayout* build_progress_row();
    QSplitter* build_details_panel();
    QLayout* make_export_row();
    QPushButton* make_ordination_button();

    Session& session_;
    QElapsedTimer test_clock_;
    QElapsedTimer since_text_;
    TestProgress last_;
    ResultsModel* results_;  // the grid's rows, owned by the window
    std::unique_ptr<GridAdapter> grid_;
    std::unique_ptr<OrdinationWindow> ordination_window_;
};

}  // namespace tw::ui
