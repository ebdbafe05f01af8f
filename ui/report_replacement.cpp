#include "ui/report_replacement.h"

#include <QFileInfo>

#include "ui/message_box.h"

namespace tw::ui {

namespace {

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool same_file(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

}  // namespace

QString report_to_confirm(const RunSettings& settings, const QString& asked_in_dialog) {
    if (settings.output_mode != OutputMode::File) return {};
    const QString report = from_core(settings.output_file);
    if (report.trimmed().isEmpty() || !QFileInfo(report).isFile()) return {};
    if (same_file(report, from_core(settings.input_file))) return {};
    if (same_file(report, asked_in_dialog)) return {};
    return report;
}

bool replace_report_confirmed(QWidget* parent, const QString& path) {
    const QString text =
        QStringLiteral(
            "The report file \"%1\" already exists. Replace it with this run's report?"
            "\n\nNo returns to the options window, where another name can be given.")
            .arg(path);
    return ask_box(parent, QString::fromLatin1(kReplaceReportTitle), text, Buttons::YesNo,
                   Answer::No) == Answer::Yes;
}

}  // namespace tw::ui
