#pragma once
// One program session: the shared run data, the host through which the core
// reaches the windows, and the windows themselves (window_registry.h).
//
// Window events come here to start the core's stages; every stage runs
// through run_guarded, and while one runs the buttons that would start a
// second are disabled.

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"
#include "ui/window_registry.h"

class QWidget;

namespace tw::ui {

class DataCheckWindow;
class Form1;
class Form2;
class Form3;
class Form4;
class FORM5;
class QtHost;
class ExplainWindow;
class ReportWindow;

class Session : public QObject {
    Q_OBJECT
  public:
    Session();
    ~Session() override;

    // Shows the start-up window.
    void start();

    Form1& form1();
    Form2& form2();
    Form3& form3();
    Form4& form4();
    FORM5& form5();
    ReportWindow& report_window();
    DataCheckWindow* data_check() const;
    // A window by its name (Form1..FORM5, DataCheck, Report, ...) if it is
    // loaded.
    QWidget* loaded_window(const QString& name) const;
    WindowRegistry& windows() { return windows_; }

    RunContext& context() { return ctx_; }
    QtHost& host() { return *host_; }

    // What the windows' events start.
    void open_data_check();   // Form2 "Continue" without the by-pass
    void data_check_ended();  // the data-check window unloads itself
    void run_analysis();      // Form3 "CONTINUE" (click, or a key)
    void test_linkages();     // Form4 "Continue"
    void finish();            // FORM5 "Finish"
    void finish_key();        // a key pressed on "Finish"
    // Runs one step of a stage (the data check) with the start buttons
    // disabled; an early stop becomes a message or the end of the program.
    Outcome guarded(const std::function<Outcome()>& stage);

    // An exit button, or the user closed the last window: end the program.
    // While a stage runs the end waits for its next yield.
    void request_end();
    // A window was closed from its title bar.
    void window_closed(QWidget* closing);

    // FORM5 "Stop test": the test ends before its next replicate.
    void stop_test();
    bool test_stop_requested() const { return stop_requested_; }
    // Whether the window may close from its title bar now: not while a
    // stage runs, and only after a Yes while it holds an unfinished run.
    bool may_close(QWidget* closing);
    // A run whose observed hierarchy is drawn and that "Finish" has not
    // yet closed.
    bool run_open() const { return run_open_; }

    void show_window(Window window, bool visible);
    void show_control(Control control, bool visible);

    bool busy() const { return busy_; }
    bool end_requested() const { return end_requested_ && !ended_; }
    bool ended() const { return ended_; }

    // "Export..." on FORM5: asks for a file name prefix, then writes the
    // results files; export_results writes them under `prefix` without
    // asking. Both need complete results.
    void export_results_chosen();
    Outcome export_results(const std::string& prefix);
    bool results_complete() const { return results_complete_; }
    // "What makes each cluster..." on FORM5: the explanation of the complete
    // results, worked out on first asking, in a window of its own.
    void explain_clusters_chosen();

    // Fixed seed for the bootstrap (0: from the clock), for repeatable sessions.
    void set_random_seed(std::uint64_t seed) { random_seed_ = seed; }

    // The report text of the current run as it was written, whatever the
    // output mode; the report sink copies into it.
    std::string& run_report() { return run_report_; }
    // FORM5 "Report...": the report window in screen mode, else a window of
    // its own holding the copy.
    void show_run_report();

    // The host's end of the program: every window closed, the event loop left.
    void close_everything();

  signals:
    void programEnded();

  private:
    // Before a bootstrap of single-station groups, or a similarity profile
    // test whose permutations cannot reach alpha: tells the user what the
    // test can and cannot find there; false when they go back instead.
    bool test_confirmed();
    void update_start_buttons();
    // The windows once a run is over: nothing can act on it any more.
    void show_run_closed();
    void close_run();
    void show_publication_results(bool tested);
    void results_completed();

    RunContext ctx_;
    std::unique_ptr<QtHost> host_;
    WindowRegistry windows_;
    std::string run_report_;
    bool busy_ = false;
    bool end_requested_ = false;
    bool ended_ = false;
    std::uint64_t random_seed_ = 0;
    bool results_complete_ = false;
    bool stop_requested_ = false;
    bool testing_ = false;
    bool run_open_ = false;
};

}  // namespace tw::ui
