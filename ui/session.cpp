#include "ui/session.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "run/entry_point.h"
#include "ui/data_check_window.h"
#include "ui/dendrogram_window.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/report_window.h"
#include "ui/results_window.h"
#include "ui/start_window.h"

namespace tw::ui {

Session::Session()
    : host_(std::make_unique<QtHost>(*this)), windows_(*this), stages_(*this, ctx_, *host_) {
    // A start button made while a stage runs starts disabled.
    windows_.on_made([this](WindowId) { stages_.update_start_buttons(); });
}

Session::~Session() {
    try {
        mark_report_stopped(ctx_);  // the program goes with a report still incomplete
    } catch (...) {
        // Closed below all the same.
    }
    ctx_.channels.close_all();
}

void Session::start() {
    start_window();
    windows_.place_on_first_show(WindowId::Start);
    start_window().show();
}

StartWindow& Session::start_window() {
    return windows_.window_as<StartWindow>(WindowId::Start);
}

OptionsWindow& Session::options_window() {
    return windows_.window_as<OptionsWindow>(WindowId::Options);
}

MethodWindow& Session::method_window() {
    return windows_.window_as<MethodWindow>(WindowId::Method);
}

DendrogramWindow& Session::dendrogram_window() {
    return windows_.window_as<DendrogramWindow>(WindowId::Dendrogram);
}

ResultsWindow& Session::results_window() {
    return windows_.window_as<ResultsWindow>(WindowId::Results);
}

ReportWindow& Session::report_window() {
    return windows_.window_as<ReportWindow>(WindowId::Report);
}

DataCheckWindow* Session::data_check() const {
    return windows_.loaded_as<DataCheckWindow>(WindowId::DataCheck);
}

QWidget* Session::loaded_window(const QString& name) const {
    return windows_.loaded(name.toStdString());
}

void Session::show_window(Window window, bool visible) {
    if (stages_.ended()) return;
    if (const WindowEntry* entry = entry_of(window)) windows_.show(entry->id, visible);
}

void Session::show_control(Control control, bool visible) {
    if (control == Control::DendrogramContinue) dendrogram_window().show_continue(visible);
    if (control == Control::ResultsFinish) results_window().show_finish(visible);
}

void Session::data_check_ended() {
    windows_.forget(WindowId::DataCheck);
}

void Session::window_closed(QWidget* closing) {
    if (stages_.ended() || windows_.run_window_visible(closing)) return;
    // Nothing of the program is left on screen: end it rather than leave it
    // running out of sight.
    stages_.request_end();
}

void Session::close_run_window(QWidget* closing, QCloseEvent* event) {
    if (!stages_.may_close(closing)) {
        event->ignore();
        return;
    }
    event->accept();
    window_closed(closing);
}

void Session::show_run_report() {
    QWidget* screen = windows_.loaded(WindowId::Report);
    if (ctx_.settings.output_mode == OutputMode::Screen && screen) {
        screen->show();
        screen->raise();
        return;
    }
    auto& copy = windows_.window_as<ReportWindow>(WindowId::RunReport);
    copy.begin();
    copy.append(run_report_);
    copy.show();
    copy.raise();
}

void Session::close_everything() {
    if (stages_.ended()) return;
    stages_.mark_ended();
    windows_.hide_all();
    emit programEnded();
    QCoreApplication::exit(0);
}

}  // namespace tw::ui
