#include "ui/drive/script_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <ostream>

#include "ui/dendrogram_window.h"
#include "ui/drive/widget_lookup.h"
#include "ui/file_chooser.h"
#include "ui/import_dialog.h"
#include "ui/message_box.h"
#include "ui/picture_resolution.h"
#include "ui/report_printing.h"
#include "ui/results_grid.h"
#include "ui/results_window.h"
#include "ui/session.h"

namespace tw::drive {

namespace {

const char* answer_word(tw::Answer a) {
    switch (a) {
        case tw::Answer::Yes:
            return "Yes";
        case tw::Answer::No:
            return "No";
        case tw::Answer::Cancel:
            return "Cancel";
        case tw::Answer::Ok:
            return "OK";
    }
    return "?";
}

bool offered(tw::Answer a, tw::Buttons b) {
    switch (b) {
        case tw::Buttons::Ok:
            return a == tw::Answer::Ok;
        case tw::Buttons::YesNo:
            return a == tw::Answer::Yes || a == tw::Answer::No;
        case tw::Buttons::YesNoCancel:
            return a != tw::Answer::Ok;
    }
    return false;
}

// A box's text on one log line.
std::string one_line(const QString& s) {
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.toStdString();
}

bool write_file(const std::string& path, const QByteArray& bytes) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

void send_key(QWidget* w, const std::string& key) {
    int code = 0;
    QString text;
    if (key == "Enter") {
        code = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else if (key == "Space") {
        code = Qt::Key_Space;
        text = QStringLiteral(" ");
    } else {
        const QChar ch = QLatin1Char(key[0]);
        code = ch.isLetter() ? Qt::Key_A + (ch.toUpper().unicode() - 'A') : ch.unicode();
        text = ch;
    }
    w->setFocus(Qt::OtherFocusReason);
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &release);
}

void send_click(QWidget* w) {
    const QPointF centre = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// A picture shows the windows as a user sees them: the work the last line
// left for the next turn (the grid's columns fitted to their new text, a
// repaint) is done first.
void let_windows_settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

ScriptRunner::ScriptRunner(tw::ui::Session& session, std::vector<Command> commands,
                           std::ostream& out, std::ostream& err)
    : session_(session), commands_(std::move(commands)), out_(out), err_(err) {
    tw::ui::set_answer_provider([this](const QString& title, const QString& text,
                                       tw::Buttons buttons, tw::Answer default_answer) {
        return answer_box(title, text, buttons, default_answer);
    });
    tw::ui::set_file_provider(
        [this](const QString& caption, tw::ui::FileUse) { return pick_file(caption); });
    tw::ui::set_print_handler([this](const QString& report) {
        const QString path = QStringLiteral("LPT1.pdf");
        const bool ok = tw::ui::print_report_to_pdf(report, path);
        out_ << "PRINT LPT1: -> " << (ok ? "LPT1.pdf" : "(failed)") << std::endl;
    });
    tw::ui::set_resolution_provider([] { return tw::ui::kPrintResolution; });
    // The import dialog is answered as a user who reads it would: OK when it
    // allows it, else Cancel; what it said is logged either way.
    tw::ui::set_import_dialog_hook([this](tw::ui::ImportDialog& dialog) {
        const bool ok = dialog.OkButton->isEnabled();
        out_ << "IMPORT " << one_line(dialog.TableFile->text()) << " | "
             << one_line(dialog.Problem->text()) << " -> " << (ok ? "OK" : "Cancel") << std::endl;
        if (!ok) return QString();
        dialog.OkButton->click();
        return dialog.data_file();
    });
    connect(&session_, &tw::ui::Session::programEnded, this, &ScriptRunner::on_program_ended);
}

ScriptRunner::~ScriptRunner() {
    tw::ui::set_answer_provider({});
    tw::ui::set_file_provider({});
    tw::ui::set_print_handler({});
    tw::ui::set_resolution_provider({});
    tw::ui::set_import_dialog_hook({});
}

tw::Answer ScriptRunner::answer_box(const QString& title, const QString& text, tw::Buttons buttons,
                                    tw::Answer default_answer) {
    std::optional<tw::Answer> a;
    if (!answers_.empty()) {
        a = answers_.front() ? *answers_.front() : default_answer;
        answers_.pop_front();
    } else if (answer_all_) {
        a = buttons == tw::Buttons::Ok ? tw::Answer::Ok : *answer_all_;
    }
    out_ << "BOX " << one_line(title) << " | " << one_line(text) << " -> ";
    if (a && offered(*a, buttons)) {
        out_ << answer_word(*a) << std::endl;
        return *a;
    }
    if (a) {
        out_ << "(" << answer_word(*a) << " is not offered)" << std::endl;
    } else {
        out_ << "(no answer)" << std::endl;
    }
    // The script did not foresee this box: end the run here (No ends the
    // program; an OK box has nothing else) and stop once the line returns.
    box_failed_ = true;
    return buttons == tw::Buttons::Ok ? tw::Answer::Ok : tw::Answer::No;
}

// The user watches the progress bar and presses Stop once it has come far
// enough; the test ends before its next replicate.
void ScriptRunner::on_progress_shown(qint64 done) {
    if (stop_test_after_ < 0 || done < stop_test_after_) return;
    QPushButton* stop = session_.results_window().StopTest;
    if (!stop->isEnabled()) return;
    stop_test_after_ = -1;
    out_ << "STOP TEST after " << done << " replicates" << std::endl;
    stop_clock_.start();
    stop->click();
}

QString ScriptRunner::pick_file(const QString& caption) {
    if (picks_.empty()) {
        out_ << "FILE " << caption.toStdString() << " -> (cancelled)" << std::endl;
        return QString();
    }
    const QString chosen = QFileInfo(picks_.front()).absoluteFilePath();
    picks_.pop_front();
    out_ << "FILE " << caption.toStdString() << " -> " << chosen.toStdString() << std::endl;
    return chosen;
}

// With TARNWICK_DRIVE_TIMES naming a file, every user action's time (and,
// for the action during which Stop was pressed, the time from Stop to the
// action's end: the stopped test's results shown) is appended there, for the
// benchmarks of the windows.
void ScriptRunner::log_time(const Command& c, qint64 ms) {
    if (!c.is_user_action()) return;
    const QString path = qEnvironmentVariable("TARNWICK_DRIVE_TIMES");
    if (path.isEmpty()) return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    QString line = QStringLiteral("%1\t%2\t%3\n")
                       .arg(c.line)
                       .arg(QString::fromStdString(c.target.spelled()))
                       .arg(ms);
    if (stop_clock_.isValid()) {
        line += QStringLiteral("%1\tstop to result\t%2\n").arg(c.line).arg(stop_clock_.elapsed());
        stop_clock_.invalidate();
    }
    f.write(line.toUtf8());
}

void ScriptRunner::on_program_ended() {
    if (end_logged_) return;
    end_logged_ = true;
    out_ << "END" << std::endl;
}

void ScriptRunner::start() {
    step();
}

void ScriptRunner::step() {
    if (stopped_) return;
    if (next_ >= commands_.size()) {
        if (!answers_.empty()) {
            err_ << "tarnwick-drive: note: " << answers_.size() << " queued answer(s) were not used"
                 << std::endl;
        }
        stop();
        return;
    }
    if (session_.stages().ended()) return;  // the rest is done once the loop has returned
    const Command& c = commands_[next_++];
    QElapsedTimer clock;
    clock.start();
    perform(c);
    log_time(c, clock.elapsed());
    if (box_failed_ && exit_code_ == 0) {
        fail(c, ExitStatus::Unanswered, QStringLiteral("a message box had no answer"));
    }
    if (stopped_) return;
    QTimer::singleShot(0, this, &ScriptRunner::step);
}

void ScriptRunner::finish_after_loop() {
    while (!stopped_ && next_ < commands_.size()) {
        const Command& c = commands_[next_++];
        if (c.is_user_action()) {
            fail(c, ExitStatus::ControlUnusable, QStringLiteral("the program has already ended"));
            break;
        }
        perform(c);
    }
    stop();
}

void ScriptRunner::fail(const Command& c, ExitStatus code, const QString& message) {
    err_ << "tarnwick-drive: line " << c.line << ": " << message.toStdString() << std::endl;
    exit_code_ = exit_status(code);
    stop();
}

void ScriptRunner::stop() {
    if (stopped_) return;
    stopped_ = true;
    // As the Exit button would: every channel closed, every window gone.
    if (!session_.stages().ended()) session_.stages().request_end();
    on_program_ended();
    QCoreApplication::exit(exit_code_);
}

void ScriptRunner::perform(const Command& c) {
    (this->*entry_of(c.verb).perform)(c);
}

QWidget* ScriptRunner::target(const Command& c) {
    const Found found = find_target(session_, c.target);
    if (!found.widget)
        fail(c, found.window_not_loaded ? ExitStatus::ControlUnusable : ExitStatus::Usage,
             found.error);
    return found.widget;
}

QWidget* ScriptRunner::usable_target(const Command& c) {
    QWidget* w = target(c);
    if (!w) return nullptr;
    const QString name = QString::fromStdString(c.target.spelled());
    if (!w->isVisible()) {
        fail(c, ExitStatus::ControlUnusable, name + QStringLiteral(" is not visible"));
        return nullptr;
    }
    if (!w->isEnabled()) {
        fail(c, ExitStatus::ControlUnusable, name + QStringLiteral(" is disabled"));
        return nullptr;
    }
    return w;
}

void ScriptRunner::write_or_fail(const Command& c, const QByteArray& bytes) {
    if (!write_file(c.text, bytes))
        fail(c, ExitStatus::OutputFailed,
             QStringLiteral("cannot write %1").arg(QString::fromStdString(c.text)));
}

void ScriptRunner::queue_answer(const Command& c) {
    answers_.push_back(c.default_answer ? std::nullopt : std::optional(c.answer));
}

void ScriptRunner::answer_all(const Command& c) {
    answer_all_ = c.answer;
}

void ScriptRunner::fix_seed(const Command& c) {
    session_.stages().set_random_seed(c.seed);
}

void ScriptRunner::export_results(const Command& c) {
    if (!session_.stages().results_complete())
        return fail(c, ExitStatus::ControlUnusable, QStringLiteral("the results are not complete"));
    session_.stages().export_results(c.text);
}

void ScriptRunner::stop_test_after(const Command& c) {
    stop_test_after_ = static_cast<qint64>(c.seed);
    if (watching_progress_) return;
    watching_progress_ = true;
    connect(&session_.results_window(), &tw::ui::ResultsWindow::progressShown, this,
            &ScriptRunner::on_progress_shown);
}

void ScriptRunner::queue_pick(const Command& c) {
    picks_.push_back(QString::fromStdString(c.text));
}

void ScriptRunner::dump_folder(const Command& c) {
    const QString folder =
        tw::ui::start_folder(c.for_saving ? tw::ui::FileUse::Save : tw::ui::FileUse::Open);
    write_or_fail(c, (folder + QLatin1Char('\n')).toUtf8());
}

void ScriptRunner::grab_screen(const Command& c) {
    let_windows_settle();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromStdString(c.text), "PNG")) {
        fail(c, ExitStatus::OutputFailed,
             QStringLiteral("cannot write %1").arg(QString::fromStdString(c.text)));
    }
}

void ScriptRunner::dump_grid(const Command& c) {
    if (!session_.loaded_window(QStringLiteral("FORM5")))
        return fail(c, ExitStatus::ControlUnusable, QStringLiteral("window FORM5 is not open"));
    write_or_fail(c, session_.results_window().grid().tab_separated().toUtf8());
}

void ScriptRunner::grab(const Command& c) {
    let_windows_settle();
    QWidget* w = target(c);
    if (w && !w->grab().save(QString::fromStdString(c.text), "PNG")) {
        fail(c, ExitStatus::OutputFailed,
             QStringLiteral("cannot write %1").arg(QString::fromStdString(c.text)));
    }
}

void ScriptRunner::dump_text(const Command& c) {
    if (QWidget* w = target(c)) write_or_fail(c, shown_text(w).toUtf8());
}

void ScriptRunner::type_text(const Command& c) {
    QWidget* w = usable_target(c);
    if (!w) return;
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit)
        return fail(
            c, ExitStatus::Usage,
            QString::fromStdString(c.target.spelled()) + QStringLiteral(" is not a text box"));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    edit->insert(QString::fromStdString(c.text));
}

void ScriptRunner::set_check_box(const Command& c) {
    QWidget* w = usable_target(c);
    if (!w) return;
    auto* box = qobject_cast<QCheckBox*>(w);
    if (!box)
        return fail(
            c, ExitStatus::Usage,
            QString::fromStdString(c.target.spelled()) + QStringLiteral(" is not a check box"));
    if (box->isChecked() != (c.verb == Verb::Tick)) box->click();
}

void ScriptRunner::choose(const Command& c) {
    QWidget* w = usable_target(c);
    if (!w) return;
    auto* option = qobject_cast<QRadioButton*>(w);
    if (!option)
        return fail(c, ExitStatus::Usage,
                    QString::fromStdString(c.target.spelled()) +
                        QStringLiteral(" is not an option button"));
    option->click();
}

void ScriptRunner::close_window(const Command& c) {
    if (QWidget* w = usable_target(c)) w->close();
}

void ScriptRunner::click(const Command& c) {
    QWidget* w = usable_target(c);
    if (!w) return;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
    } else {
        send_click(w);
    }
}

void ScriptRunner::press(const Command& c) {
    if (QWidget* w = usable_target(c)) send_key(w, c.text);
}

void ScriptRunner::check_enabled(const Command& c) {
    const bool want_enabled = c.verb == Verb::ExpectEnabled;
    QWidget* w = target(c);
    if (!w) return;
    if (w->isEnabled() != want_enabled) {
        fail(c, ExitStatus::ExpectationFailed,
             QStringLiteral("expected %1 to be %2")
                 .arg(QString::fromStdString(c.target.spelled()),
                      want_enabled ? QStringLiteral("enabled") : QStringLiteral("disabled")));
    }
}

void ScriptRunner::save_picture(const Command& c) {
    if (!session_.loaded_window(QStringLiteral("Form4"))) {
        return fail(c, ExitStatus::ControlUnusable, QStringLiteral("window Form4 is not open"));
    }
    tw::ui::DendrogramWindow& form = session_.dendrogram_window();
    if (!form.SavePicture->isEnabled()) {
        return fail(c, ExitStatus::ControlUnusable,
                    QStringLiteral("Form4.SavePicture is disabled"));
    }
    const QString path = QString::fromStdString(c.text);
    if (!form.save_picture(path, tw::ui::kPrintResolution)) {
        fail(c, ExitStatus::OutputFailed, QStringLiteral("cannot write %1").arg(path));
    }
}

void ScriptRunner::check_visible(const Command& c) {
    const bool want_visible = c.verb == Verb::ExpectVisible;
    const Found found = find_target(session_, c.target);
    if (!found.widget && !found.window_not_loaded) return fail(c, ExitStatus::Usage, found.error);
    const bool visible = found.widget && found.widget->isVisible();
    if (visible != want_visible) {
        fail(c, ExitStatus::ExpectationFailed,
             QStringLiteral("expected %1 to be %2")
                 .arg(QString::fromStdString(c.target.spelled()),
                      want_visible ? QStringLiteral("visible") : QStringLiteral("hidden")));
    }
}

}  // namespace tw::drive
