#pragma once
// The run's stages as the windows start them: the format check, the
// observed run, the significance test, the exports and the explanation,
// Finish, and the end of the program. One stage runs at a time, through
// run_guarded; while one runs, the buttons that would start another are
// disabled.

#include <cstdint>
#include <functional>
#include <string>

#include "run/outcome.h"

class QWidget;

namespace tw {
struct RunContext;
}

namespace tw::ui {

class QtHost;
class Session;

class StageController {
  public:
    StageController(Session& session, RunContext& ctx, QtHost& host);

    // What the windows' events start.
    void open_data_check();  // the options window's "Continue" without the by-pass
    void run_analysis();     // the method window's "CONTINUE" (click, or a key)
    void test_linkages();    // the dendrogram window's "Continue"
    void finish();           // the results window's "Finish"
    void finish_key();       // a key pressed on "Finish"
    // Runs one step of a stage (the data check) with the start buttons
    // disabled; an early stop becomes a message or the end of the program.
    Outcome guarded(const std::function<Outcome()>& stage);

    // An exit button, or the user closed the last window: end the program.
    // While a stage runs the end waits for its next yield.
    void request_end();
    // The program has ended: nothing may start any more.
    void mark_ended() { ended_ = true; }

    // "Stop test": the test ends before its next replicate.
    void stop_test();
    bool test_stop_requested() const { return stop_requested_; }
    // Whether a window may close from its title bar now: not while a stage
    // runs, and only after a Yes while it holds an unfinished run.
    bool may_close(QWidget* closing);
    // A run whose observed hierarchy is drawn and that "Finish" has not
    // yet closed.
    bool run_open() const { return run_open_; }

    bool busy() const { return busy_; }
    bool end_requested() const { return end_requested_ && !ended_; }
    bool ended() const { return ended_; }

    // "Export..." on the results window: asks for a file name prefix, then
    // writes the results files; export_results writes them under `prefix`
    // without asking. Both need complete results.
    void export_results_chosen();
    Outcome export_results(const std::string& prefix);
    bool results_complete() const { return results_complete_; }
    // "What makes each cluster...": the explanation of the complete results,
    // worked out on first asking, in a window of its own.
    void explain_clusters_chosen();

    // Fixed seed for the test (0: from the clock), for repeatable sessions.
    void set_random_seed(std::uint64_t seed) { random_seed_ = seed; }

    // Enables the buttons that start a stage unless one runs.
    void update_start_buttons();

  private:
    // Before a bootstrap of single-station groups, or a similarity profile
    // test whose permutations cannot reach alpha: tells the user what the
    // test can and cannot find there; false when they go back instead.
    bool test_confirmed();
    // The windows once a run is over: nothing can act on it any more.
    void show_run_closed();
    void close_run();
    void show_publication_results(bool tested);
    void results_completed();

    Session& session_;
    RunContext& ctx_;
    QtHost& host_;
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
