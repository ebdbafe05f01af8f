#include "ui/examples_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tw::ui {

QString installed_examples_dir() {
    if (!QCoreApplication::instance()) return {};
    const QString c =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarnwick/examples");
    return QFileInfo(c).isDir() ? QDir(c).absolutePath() : QString();
}

QString examples_dir() {
    const QString installed = installed_examples_dir();
    if (!installed.isEmpty()) return installed;
    QStringList candidates;
#ifdef TARNWICK_SOURCE_DIR
    candidates << QStringLiteral(TARNWICK_SOURCE_DIR "/examples");
#endif
    if (QCoreApplication::instance()) {
        const QString exe = QCoreApplication::applicationDirPath();
        candidates << exe + QStringLiteral("/examples") << exe + QStringLiteral("/../examples")
                   << exe + QStringLiteral("/../../examples");
    }
    for (const QString& c : candidates) {
        if (QFileInfo(c).isDir()) return QDir(c).absolutePath();
    }
    return QDir::currentPath();
}

}  // namespace tw::ui
