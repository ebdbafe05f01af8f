#include "ui/qt_host.h"

#include <QApplication>
#include <QWidget>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "run/outcome.h"
#include "run/report_header.h"
#include "ui/dendrogram_view.h"
#include "ui/dendrogram_window.h"
#include "ui/message_box.h"
#include "ui/options_window.h"
#include "ui/output_targets.h"
#include "ui/report_window.h"
#include "ui/results_grid.h"
#include "ui/results_window.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

// How long the core may keep the windows waiting. Each turn of the window
// system repaints the message area, the linkage table and whatever else
// changed, one to two milliseconds of work: every 60 ms that is a few
// percent of a run, while buttons still answer and the progress notes still
// move well within the time a user would notice.
constexpr qint64 kYieldEveryMs = 60;
// The clock asks for a turn this often, so that a turn is never more than
// kYieldEveryMs + kTurnClockMs away, however far apart the core's pause
// points are: with the turn itself, within a tenth of a second.
constexpr std::chrono::milliseconds kTurnClockMs{10};

// Most of the core's yields only count down in the base class; one in this
// many reads the clock (some tens of microseconds of work apart: on a
// virtual machine reading the clock can mean a system call), which keeps a
// yield per species of every pair cheap.
constexpr int kYieldStride = 16384;

// Some of the window system's code hands control back with the upper halves
// of the processor's vector registers still in use. Until something clears
// them, the computation's own scalar arithmetic runs slowly: at 10,000
// stations the clustering took about a sixth more processor time with turns
// every 60 ms than with none. Clearing them costs one instruction, so it is
// done whenever the window system hands back to the computation.
#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] void zero_upper_halves() {
    _mm256_zeroupper();
}
void hand_back_to_computation() {
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx) zero_upper_halves();
}
#else
void hand_back_to_computation() {}
#endif

QString from_core(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

// The windows are created once and kept for the whole session, so the box
// found at the first print serves every later one (the dots of a clustering
// come one per cluster).
TextPanel& QtHost::PanelTarget::panel() {
    if (!found_) found_ = &find_();
    return *found_;
}
void QtHost::PanelTarget::write(std::string_view text) {
    panel().write(text);
}
void QtHost::PanelTarget::clear() {
    panel().clear();
}

QtHost::QtHost(Session& session)
    : Host(kYieldStride),
      session_(session),
      message_area_([&session]() -> TextPanel& { return *session.options_window().message_area; }),
      link_area_([&session]() -> TextPanel& { return *session.results_window().link_table; }),
      messages_(&message_area_),
      link_table_(&link_area_),
      clock_(kTurnClockMs, [this] { request_turn(); }) {}

Answer QtHost::ask(std::string_view title, std::string_view text, Buttons buttons) {
    return ask_box(QApplication::activeWindow(), from_core(title), from_core(text), buttons);
}

void QtHost::process_events() {
    if (!since_yield_.isValid() || since_yield_.elapsed() >= kYieldEveryMs) {
        QCoreApplication::processEvents();
        hand_back_to_computation();
        since_yield_.restart();
        progress_due_ = true;
    }
    if (session_.stages().end_requested()) throw ProgramEnd{};
}

std::unique_ptr<TextTarget> QtHost::open_output(const std::string& name, OpenMode mode) {
    std::unique_ptr<TextTarget> target;
    if (is_screen_device(name)) {
        target = open_screen_target(&session_.report_window(), mode);
    } else if (is_printer_device(name)) {
        target = open_printer_target(QApplication::activeWindow());
    } else {
        target = open_file_target(name, mode);
    }
    // The report sink keeps a copy for FORM5's "Report...".
    if (mode == OpenMode::Write && name == report_target(session_.context().settings)) {
        return copying_target(std::move(target), session_.run_report());
    }
    return target;
}

void QtHost::stage_started() {
    since_yield_.restart();
    hand_back_to_computation();  // the click that started the stage ran window code
}

Canvas& QtHost::dendrogram() {
    return *session_.dendrogram_window().Dendrogram;
}

ResultsGrid& QtHost::grid() {
    return session_.results_window().grid();
}

void QtHost::show(Window window, bool visible) {
    session_.show_window(window, visible);
}

void QtHost::show(Control control, bool visible) {
    session_.show_control(control, visible);
}

void QtHost::end_program() {
    session_.close_everything();
}

// The bar is brought up to date once per turn of the windows, when it can be
// seen to move: reading the clock or repainting after every replicate would
// cost more than a small replicate itself.
void QtHost::test_progress(const TestProgress& progress) {
    session_.results_window().show_progress(progress, progress_due_);
    progress_due_ = false;
    hand_back_to_computation();
}

bool QtHost::stop_requested() const {
    return session_.stages().test_stop_requested();
}

}  // namespace tw::ui
