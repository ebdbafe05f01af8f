#include "ui/file_chooser.h"

#include <QFileDialog>

#include "ui/examples_dir.h"

namespace tw::ui {

namespace {

FileProvider& provider() {
    static FileProvider p;
    return p;
}

}  // namespace

void set_file_provider(FileProvider p) {
    provider() = std::move(p);
}

QString choose_file(QWidget* parent, const QString& caption, FileUse use, const QString& filter,
                    const QString& start_dir) {
    if (provider()) return provider()(caption, use);
    const QString dir = start_dir.isEmpty() ? examples_dir() : start_dir;
    const QString all = filter.isEmpty() ? QStringLiteral("All files (*)") : filter;
    if (use == FileUse::Open) return QFileDialog::getOpenFileName(parent, caption, dir, all);
    // The run replaces an existing output file without asking, as the
    // options window says; the dialog need not ask either.
    return QFileDialog::getSaveFileName(parent, caption, dir, all, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

}  // namespace tw::ui
