#pragma once
// Performs a parsed script against the real windows, one line per turn of the
// event loop, so windows repaint and unloaded windows go between lines as
// they would for a user. Message boxes, file dialogs and printing are
// answered by the runner instead of blocking:
//   BOX <title> | <text> -> <answer>     every message box
//   FILE <caption> -> (cancelled)         every file dialog (or -> the file
//                                         a pick line chose)
//   PRINT LPT1: -> LPT1.pdf               the printed report
//   IMPORT <table> | <problem> -> OK|Cancel  every import dialog (OK when
//                                         it allows it)
//   STOP TEST after <n> replicates        a stop-test-after line pressed Stop
//   END                                   the end of the program
// are written to `out` as they happen.
//
// Exit status, from the program's one list (run/exit_status.h): Usage for a
// bad line (unknown window, control or verb), OutputFailed for a file that
// cannot be written, Unanswered for a message box without an answer (or with
// one it does not offer), ControlUnusable for a control the user could not use
// (not open, not visible, disabled, or the program has ended),
// ExpectationFailed for an expect- line that was false.

#include <QElapsedTimer>
#include <QObject>
#include <deque>
#include <iosfwd>
#include <optional>

#include "run/exit_status.h"
#include "ui/drive/driver_script.h"

namespace tw::ui {
class Session;
}

namespace tw::drive {

class ScriptRunner : public QObject, private ScriptActions {
    Q_OBJECT
  public:
    ScriptRunner(tw::ui::Session& session, std::vector<Command> commands, std::ostream& out,
                 std::ostream& err);
    ~ScriptRunner() override;

    // Starts with the first line; call from inside the event loop.
    void start();
    // After the event loop has returned: the lines left once the program
    // ended (checks and dumps may follow the end; actions may not).
    void finish_after_loop();

    int exit_code() const { return exit_code_; }

  private:
    // The verbs, as the verb table names them.
    void type_text(const Command& c) override;
    void set_check_box(const Command& c) override;
    void choose(const Command& c) override;
    void click(const Command& c) override;
    void press(const Command& c) override;
    void queue_answer(const Command& c) override;
    void answer_all(const Command& c) override;
    void check_visible(const Command& c) override;
    void grab(const Command& c) override;
    void dump_grid(const Command& c) override;
    void grab_screen(const Command& c) override;
    void dump_text(const Command& c) override;
    void fix_seed(const Command& c) override;
    void queue_pick(const Command& c) override;
    void dump_folder(const Command& c) override;
    void check_enabled(const Command& c) override;
    void close_window(const Command& c) override;
    void stop_test_after(const Command& c) override;
    void save_picture(const Command& c) override;
    void export_results(const Command& c) override;

    void step();
    void perform(const Command& c);
    // The control a line names, or null once the line has failed.
    QWidget* target(const Command& c);
    // The control a line acts on as a user would: also visible and enabled.
    QWidget* usable_target(const Command& c);
    void write_or_fail(const Command& c, const QByteArray& bytes);
    QString pick_file(const QString& caption);
    void on_progress_shown(qint64 done);
    void fail(const Command& c, ExitStatus code, const QString& message);
    void stop();
    tw::Answer answer_box(const QString& title, const QString& text, tw::Buttons buttons,
                          tw::Answer default_answer);
    void on_program_ended();
    void log_time(const Command& c, qint64 ms);

    tw::ui::Session& session_;
    std::vector<Command> commands_;
    std::size_t next_ = 0;
    std::ostream& out_;
    std::ostream& err_;
    std::deque<std::optional<tw::Answer>> answers_;  // empty: the box's default
    std::deque<QString> picks_;                      // files the next dialogs choose
    qint64 stop_test_after_ = -1;                    // replicates after which to press "Stop test"
    bool watching_progress_ = false;
    QElapsedTimer stop_clock_;  // since a stop-test-after line pressed Stop
    std::optional<tw::Answer> answer_all_;
    int exit_code_ = 0;
    bool stopped_ = false;
    bool end_logged_ = false;
    bool box_failed_ = false;
};

}  // namespace tw::drive
