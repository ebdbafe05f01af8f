#pragma once
// Where an output channel's text goes: a file, the report window ("SCRN:")
// or the printer ("LPT1:").

#include <QPointer>

class QWidget;
#include <memory>
#include <string>

#include "run/host.h"

namespace tw::ui {

class ReportWindow;

// A file written byte for byte as printed (CR LF line ends), replaced or
// appended to. Null when it cannot be opened.
std::unique_ptr<TextTarget> open_file_target(const std::string& path, OpenMode mode);

// The report window: cleared when opened for writing, shown as it is written.
std::unique_ptr<TextTarget> open_screen_target(ReportWindow* window, OpenMode mode);

// Collects everything and prints it when the channel closes.
std::unique_ptr<TextTarget> open_printer_target(QWidget* dialog_parent);

// Passes everything on to `target` and keeps a copy in `copy` (emptied
// first), so the report can be shown again whatever device it went to.
std::unique_ptr<TextTarget> copying_target(std::unique_ptr<TextTarget> target, std::string& copy);

// "SCRN:" and "LPT1:" are device names whatever their case, as a user typing
// them into the output-file box would expect.
bool is_screen_device(const std::string& name);
bool is_printer_device(const std::string& name);

}  // namespace tw::ui
