#include "ui/data_check_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "datacheck/data_check.h"
#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

QLabel* named_label(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QString from_core(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

DataCheckWindow::DataCheckWindow(Session& session) : QWidget(nullptr), session_(session) {
    namespace text = data_check_text;
    setObjectName(QStringLiteral("DataCheck"));
    setWindowTitle(QString::fromLatin1(text::kCaption));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* file_caption = named_label(QStringLiteral("Label1"), text::kInputFile, this);
    FileName = named_label(QStringLiteral("FileName"), QString(), this);
    auto* line_caption = named_label(QStringLiteral("Label2"), text::kLineNumber, this);
    LineNum = named_label(QStringLiteral("LineNum"), QString(), this);
    auto* char_caption = named_label(QStringLiteral("Label3"), text::kCharacterNumber, this);
    CharNum = named_label(QStringLiteral("CharNum"), QString(), this);
    auto* out_caption = named_label(QStringLiteral("Label4"), text::kCharacterRead, this);
    CharOut = named_label(QStringLiteral("CharOut"), QString(), this);
    auto* total_caption = named_label(QStringLiteral("Label5"), text::kLineLength, this);
    TotChar = named_label(QStringLiteral("TotChar"), QString(), this);
    Status = named_label(QStringLiteral("Status"), QString(), this);
    LastChar = named_label(QStringLiteral("LastChar"), text::kLastCharacter, this);
    read_button = new QPushButton(QString::fromLatin1(text::kRead), this);
    read_button->setObjectName(QStringLiteral("Command1"));
    exit_button = new QPushButton(QString::fromLatin1(text::kExit), this);
    exit_button->setObjectName(QStringLiteral("Command2"));

    // The character being read is shown large, in the fixed-pitch font, so a
    // blank or a tab is told apart from a quote at a glance.
    QFont big = fixed_pitch_font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    CharOut->setFont(big);
    CharOut->setMinimumWidth(40);
    QFont bold = Status->font();
    bold.setBold(true);
    Status->setFont(bold);
    FileName->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout;
    grid->addWidget(file_caption, 0, 0);
    grid->addWidget(FileName, 0, 1, 1, 3);
    grid->addWidget(line_caption, 1, 0);
    grid->addWidget(LineNum, 1, 1);
    grid->addWidget(total_caption, 1, 2);
    grid->addWidget(TotChar, 1, 3);
    grid->addWidget(char_caption, 2, 0);
    grid->addWidget(CharNum, 2, 1);
    grid->addWidget(out_caption, 2, 2);
    grid->addWidget(CharOut, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(1, 60);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(read_button);
    buttons->addWidget(exit_button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(LastChar);
    layout->addWidget(Status);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumSize(520, 220);

    display_fields_ = {line_caption, LineNum, char_caption,  CharNum,
                       out_caption,  CharOut, total_caption, TotChar};
    for (QWidget* w : display_fields_) w->hide();
    LastChar->hide();

    check_ = std::make_unique<DataCheck>(session.context(), session.host(), *this);
    connect(read_button, &QPushButton::clicked, this, &DataCheckWindow::on_read_button_clicked);
    connect(exit_button, &QPushButton::clicked, this, &DataCheckWindow::on_exit_button_clicked);
}

DataCheckWindow::~DataCheckWindow() = default;

QLabel* DataCheckWindow::field(DataCheckField f) const {
    switch (f) {
        case DataCheckField::FileName:
            return FileName;
        case DataCheckField::LineNum:
            return LineNum;
        case DataCheckField::CharNum:
            return CharNum;
        case DataCheckField::CharOut:
            return CharOut;
        case DataCheckField::TotChar:
            return TotChar;
        case DataCheckField::Status:
            return Status;
    }
    return Status;
}

void DataCheckWindow::show_text(DataCheckField f, const std::string& text) {
    field(f)->setText(from_core(text));
}

void DataCheckWindow::show_display_fields() {
    for (QWidget* w : display_fields_) w->show();
}

void DataCheckWindow::set_read_caption(const std::string& caption) {
    read_button->setText(from_core(caption));
}

void DataCheckWindow::show_last_char_label(bool visible) {
    LastChar->setVisible(visible);
}

void DataCheckWindow::set_last_char_caption(const std::string& caption) {
    LastChar->setText(from_core(caption));
}

void DataCheckWindow::unload() {
    // Called from inside the check's own step: the check object must outlive
    // that call, so the window (which owns it) goes when control is back in
    // the event loop.
    unloaded_ = true;
    hide();
    session_.data_check_ended();
    deleteLater();
}

void DataCheckWindow::on_read_button_clicked() {
    const std::string input = session_.options_window().input_file().toStdString();
    const Outcome outcome =
        session_.stages().guarded([this, &input] { return check_->read_pressed(input); });
    // The check has run to its end: the method window says what it found.
    if (outcome == Outcome::Completed && check_->state().Finished && !session_.stages().ended()) {
        session_.method_window().show_check_status(
            QString::fromStdString(check_result_text(check_->state().FaultsAnswered)));
    }
}

void DataCheckWindow::on_exit_button_clicked() {
    // The check may be scanning (its yield let this click through): the
    // program then ends at the scan's next yield.
    if (session_.stages().busy()) {
        session_.stages().request_end();
        return;
    }
    session_.stages().guarded([this] {
        check_->exit_pressed();
        return Outcome::Ended;
    });
}

void DataCheckWindow::closeEvent(QCloseEvent* event) {
    // Closing the window from its title bar leaves the check and goes back to
    // the options window; the file is closed with the check. Not while a step
    // is running: that step still uses the window.
    if (session_.stages().busy()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!unloaded_) unload();
}

}  // namespace tw::ui
