// tarnwick-drive SCRIPT: starts TARNWICK's windows in the current folder and
// performs the script's lines as a user would (see driver_script.h);
// tarnwick-drive --help lists the verbs.

#include <QApplication>
#include <QTimer>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

#include "run/exit_status.h"
#include "ui/drive/driver_script.h"
#include "ui/drive/script_runner.h"
#include "ui/session.h"
#include "ui/window_table.h"

namespace {

QtMessageHandler qt_default_handler = nullptr;

// The off-screen platform reports, for every window shown, that it cannot
// raise it or pass on size hints; that is expected here and hides the
// driver's own output.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QLatin1String("This plugin does not support")) ||
        msg.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    qt_default_handler(type, context, msg);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::cout << "usage: tarnwick-drive SCRIPT\n\nOne action a line:\n"
                  << tw::drive::verbs_help() << "\nWindows:";
        for (const tw::ui::WindowEntry& w : tw::ui::window_table())
            std::cout << ' ' << w.object_name;
        std::cout << std::endl;
        return tw::exit_status(tw::ExitStatus::Done);
    }
    if (argc != 2) {
        std::cerr << "usage: tarnwick-drive SCRIPT" << std::endl;
        return tw::exit_status(tw::ExitStatus::Usage);
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "tarnwick-drive: cannot read " << argv[1] << std::endl;
        return tw::exit_status(tw::ExitStatus::DataRefused);
    }
    std::stringstream text;
    text << in.rdbuf();
    tw::drive::Script script = tw::drive::parse_script(text.str(), tw::ui::is_window_name);
    if (script.error) {
        std::cerr << "tarnwick-drive: line " << script.error->line << ": " << script.error->message
                  << std::endl;
        return tw::exit_status(tw::ExitStatus::Usage);
    }

    // Without a display the windows are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qt_default_handler = qInstallMessageHandler(quiet_platform_notes);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    int code = 0;
    {
        tw::ui::Session session;
        tw::drive::ScriptRunner runner(session, std::move(script.commands), std::cout, std::cerr);
        session.start();
        QTimer::singleShot(0, &runner, &tw::drive::ScriptRunner::start);
        QApplication::exec();
        runner.finish_after_loop();
        code = runner.exit_code();
    }
    return code;
}
