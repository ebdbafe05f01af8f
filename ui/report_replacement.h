#pragma once
// Before a run writes its report over a file that is already there: a report
// is the record of an earlier run, so it is replaced only when the user has
// said so, either in the save dialog that named it (which asks itself) or
// in answer to this question.

#include <QString>

#include "run/run_settings.h"

class QWidget;

namespace tw::ui {

inline constexpr const char* kReplaceReportTitle = "Replace Report File";

// The file the run would replace, when it should ask first: report to a
// file, the file exists, it is not the input data file (the run refuses
// that itself) and it is not `asked_in_dialog`. Empty when there is
// nothing to ask.
QString report_to_confirm(const RunSettings& settings, const QString& asked_in_dialog);

// Asks whether to replace `path`; No is the default button, so Enter keeps
// the file.
bool replace_report_confirmed(QWidget* parent, const QString& path);

}  // namespace tw::ui
