#include "ui/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/examples_dir.h"

namespace tw::ui {

namespace {

FileProvider& provider() {
    static FileProvider p;
    return p;
}

// What the dialogs remember for as long as the program runs.
struct FileFolders {
    QString last_chosen;
    QString data_file;
};

FileFolders& folders() {
    static FileFolders f;
    return f;
}

QString clean(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath());
}

bool usable(const QString& folder, const QString& avoid) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
    return avoid.isEmpty() || clean(folder) != clean(avoid);
}

void remember_choice(const QString& chosen) {
    if (!chosen.isEmpty()) folders().last_chosen = QFileInfo(chosen).absolutePath();
}

}  // namespace

void set_file_provider(FileProvider p) {
    provider() = std::move(p);
}

void remember_data_file(const QString& path) {
    folders().data_file = path;
}

void forget_file_folders() {
    folders() = FileFolders{};
}

QString pick_start_folder(const QString& last_chosen, const QString& data_file,
                          const QString& current, const QString& avoid) {
    const QString data_folder =
        data_file.trimmed().isEmpty() ? QString() : QFileInfo(data_file.trimmed()).absolutePath();
    for (const QString& candidate : {last_chosen, data_folder}) {
        if (usable(candidate, avoid)) return clean(candidate);
    }
    return clean(current);
}

QString start_folder(FileUse use) {
    const QString avoid = use == FileUse::Save ? examples_dir() : QString();
    // Started from the desktop menu, an installed program runs in the home
    // folder; its first data file is then looked for among the examples. From
    // a terminal the folder it was started in is meant.
    QString current = QDir::currentPath();
    const QString installed = installed_examples_dir();
    if (use == FileUse::Open && !installed.isEmpty() && QDir(current) == QDir::home())
        current = installed;
    return pick_start_folder(folders().last_chosen, folders().data_file, current, avoid);
}

QString choose_file(QWidget* parent, const QString& caption, FileUse use, const QString& filter) {
    QString chosen;
    if (provider()) {
        chosen = provider()(caption, use);
    } else {
        const QString dir = start_folder(use);
        const QString filters = filter.isEmpty() ? QStringLiteral("All files (*)") : filter;
        if (use == FileUse::Open) {
            chosen = QFileDialog::getOpenFileName(parent, caption, dir, filters);
        } else {
            // The run replaces an existing output file without asking, as
            // the options window says; the dialog need not ask either.
            chosen = QFileDialog::getSaveFileName(parent, caption, dir, filters, nullptr,
                                                  QFileDialog::DontConfirmOverwrite);
        }
    }
    remember_choice(chosen);
    return chosen;
}

}  // namespace tw::ui
