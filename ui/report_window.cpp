#include "ui/report_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/text_panel.h"

namespace tw::ui {

ReportWindow::ReportWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Report"));
    setWindowTitle(QStringLiteral("TARNWICK Report (SCRN:)"));
    ReportText = new TextPanel(QStringLiteral("ReportText"), this);
    Save = new QPushButton(QStringLiteral("Save..."), this);
    Save->setObjectName(QStringLiteral("Save"));
    connect(Save, &QPushButton::clicked, this, &ReportWindow::on_Save_clicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ReportText);
    layout->addLayout(buttons);
    resize(720, 520);
}

void ReportWindow::begin() {
    contents_.clear();
    ReportText->clear();
}

void ReportWindow::append(std::string_view text) {
    contents_.append(text);
    ReportText->write(text);
}

bool ReportWindow::save_to(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const auto size = static_cast<qint64>(contents_.size());
    return f.write(contents_.data(), size) == size;
}

void ReportWindow::on_Save_clicked() {
    const QString path = choose_file(this, QStringLiteral("Save the report"), FileUse::Save,
                                     QString::fromLatin1(file_filter::kReport));
    if (path.isEmpty()) return;
    if (!save_to(path)) {
        ask_box(this, QStringLiteral("File Error"),
                QStringLiteral("The report could not be written to \"%1\".").arg(path),
                Buttons::Ok);
    }
}

}  // namespace tw::ui
