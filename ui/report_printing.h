#pragma once
// The printer device "LPT1:". The report is collected while the run writes
// it and printed as one document when its channel closes: through the print
// dialog where print support is available, otherwise into a PDF file chosen
// by the user.

#include <QString>
#include <functional>

class QWidget;

namespace tw::ui {

// Replaces the dialog: receives the whole report. Scripted sessions use it.
using PrintHandler = std::function<void(const QString& report)>;
void set_print_handler(PrintHandler handler);

void print_report(QWidget* parent, const QString& report);

// Lays the report out in a fixed-pitch font, page after page, into a PDF file.
bool print_report_to_pdf(const QString& report, const QString& path);

}  // namespace tw::ui
