#pragma once
// The file-chooser dialog (FileSys). Like message boxes, every use goes
// through one function with a hook, so a scripted session never blocks on it.

#include <QString>
#include <functional>

class QWidget;

namespace tw::ui {

enum class FileUse { Open, Save };

// Given the caption and use, returns the chosen full file name ("" cancels).
using FileProvider = std::function<QString(const QString& caption, FileUse use)>;
void set_file_provider(FileProvider provider);

// A file dialog starting in `start_dir` (the examples folder when empty).
// Returns the chosen file's full name, or "" when the user cancels.
QString choose_file(QWidget* parent, const QString& caption, FileUse use,
                    const QString& filter = QString(), const QString& start_dir = QString());

}  // namespace tw::ui
