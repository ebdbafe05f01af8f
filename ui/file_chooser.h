#pragma once
// The file-chooser dialog (FileSys). Like message boxes, every use goes
// through one function with a hook, so a scripted session never blocks on it.
//
// Every dialog opens where the user last chose a file in this session, else
// in the folder of the data file named in the options window, else in the
// current folder. A dialog that saves never starts in the bundled examples
// folder, so a bare name typed there does not land among the examples.

#include <QString>
#include <functional>

class QWidget;

namespace tw::ui {

enum class FileUse { Open, Save };

// The filters the dialogs offer; each ends with "All files".
namespace file_filter {
inline constexpr const char* kData = "Data files (*.txt *.dat *.csv);;All files (*)";
inline constexpr const char* kTable = "Tables (*.csv *.tsv *.txt *.xlsx *.ods);;All files (*)";
inline constexpr const char* kReport = "Reports (*.txt *.lst *.rpt);;All files (*)";
inline constexpr const char* kPicture =
    "SVG picture (*.svg);;PDF document (*.pdf);;PNG image (*.png);;All files (*)";
inline constexpr const char* kPdf = "PDF files (*.pdf);;All files (*)";
}  // namespace file_filter

// Given the caption and use, returns the chosen full file name ("" cancels).
using FileProvider = std::function<QString(const QString& caption, FileUse use)>;
void set_file_provider(FileProvider provider);

// A file dialog starting in start_folder(use). Returns the chosen file's full
// name, or "" when the user cancels; a chosen file's folder is remembered.
QString choose_file(QWidget* parent, const QString& caption, FileUse use,
                    const QString& filter = QString());

// The data file the options window names now (its folder is the second
// choice of starting folder).
void remember_data_file(const QString& path);
// Forget the folders remembered so far (a new session).
void forget_file_folders();

// The folder the next dialog for `use` opens in.
QString start_folder(FileUse use);

// The rule itself: the first of `last_chosen`, the data file's folder and
// `current` that exists, skipping `avoid` (when not empty).
QString pick_start_folder(const QString& last_chosen, const QString& data_file,
                          const QString& current, const QString& avoid);

}  // namespace tw::ui
