// TARNWICK: hierarchical classification of sampling stations with a
// bootstrap test of every linkage.

#include <QApplication>

#include "ui/session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARNWICK"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    // The program ends through its exit buttons or when its last window is
    // closed (see Session::window_closed), never just because windows are
    // hidden between steps of a run.
    QApplication::setQuitOnLastWindowClosed(false);

    tw::ui::Session session;
    session.start();
    return QApplication::exec();
}
