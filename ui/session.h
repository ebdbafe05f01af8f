#pragma once
// One program session: the shared run data, the host through which the core
// reaches the windows, the windows themselves (window_registry.h) and the
// stages their buttons start (stage_controller.h).

#include <QObject>
#include <memory>
#include <string>

#include "run/host.h"
#include "run/run_context.h"
#include "ui/stage_controller.h"
#include "ui/window_registry.h"

class QCloseEvent;
class QWidget;

namespace tw::ui {

class DataCheckWindow;
class StartWindow;
class OptionsWindow;
class MethodWindow;
class DendrogramWindow;
class ResultsWindow;
class QtHost;
class ReportWindow;

class Session : public QObject {
    Q_OBJECT
  public:
    Session();
    ~Session() override;

    // Shows the start-up window.
    void start();

    StartWindow& start_window();
    OptionsWindow& options_window();
    MethodWindow& method_window();
    DendrogramWindow& dendrogram_window();
    ResultsWindow& results_window();
    ReportWindow& report_window();
    DataCheckWindow* data_check() const;
    // A window by its name (Form1..FORM5, DataCheck, Report, ...) if it is
    // loaded.
    QWidget* loaded_window(const QString& name) const;
    WindowRegistry& windows() { return windows_; }
    const WindowRegistry& windows() const { return windows_; }

    RunContext& context() { return ctx_; }
    QtHost& host() { return *host_; }
    StageController& stages() { return stages_; }

    // The core's requests to show a window or a control.
    void show_window(Window window, bool visible);
    void show_control(Control control, bool visible);
    // The data-check window unloads itself once its check has ended.
    void data_check_ended();
    // A window was closed from its title bar.
    void window_closed(QWidget* closing);
    // The title bar's close of a window that holds the run's results: asked
    // about while the run is open, refused while a stage draws there.
    void close_run_window(QWidget* closing, QCloseEvent* event);

    // The report text of the current run as it was written, whatever the
    // output mode; the report sink copies into it.
    std::string& run_report() { return run_report_; }
    // "Report..." on the results window: the report window in screen mode,
    // else a window of its own holding the copy.
    void show_run_report();

    // The host's end of the program: every window closed, the event loop left.
    void close_everything();

  signals:
    void programEnded();

  private:
    RunContext ctx_;
    std::unique_ptr<QtHost> host_;
    WindowRegistry windows_;
    StageController stages_;
    std::string run_report_;
};

}  // namespace tw::ui
