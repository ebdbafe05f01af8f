// TARNWICK: hierarchical classification of sampling stations with a
// bootstrap test of every linkage.

#include <QApplication>

#include "ui/options_window.h"
#include "ui/program_arguments.h"
#include "ui/session.h"

int main(int argc, char* argv[]) {
    const tw::ui::ProgramArguments arguments =
        tw::ui::read_program_arguments(std::vector<std::string>(argv + 1, argv + argc));
    if (arguments.exit_now) return *arguments.exit_now;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARNWICK"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    // The program ends through its exit buttons or when its last window is
    // closed (see Session::window_closed), never just because windows are
    // hidden between steps of a run.
    QApplication::setQuitOnLastWindowClosed(false);

    tw::ui::Session session;
    session.start();
    if (!arguments.start_file.empty())
        session.options_window().take_input_file(QString::fromStdString(arguments.start_file));
    return QApplication::exec();
}
