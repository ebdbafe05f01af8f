#include "ui/figure_file.h"

#include <QGuiApplication>
#include <memory>

#include "ui/figure_painting.h"

namespace tw::ui {

void ensure_gui_application() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tarnwick-batch";
    static char* argv[] = {name, nullptr};
    // Starting up, Qt warns about a desktop session it does not need (no
    // runtime folder, say): a batch run's error stream keeps to the run.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static const std::unique_ptr<QGuiApplication> app =
        std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
}

bool write_figure_file(const Figure& figure, const std::string& path, int dpi) {
    ensure_gui_application();
    return save_figure(figure, QString::fromStdString(path), dpi);
}

}  // namespace tw::ui
