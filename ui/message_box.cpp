#include "ui/message_box.h"

#include <QMessageBox>

namespace tw::ui {

namespace {

AnswerProvider& provider() {
    static AnswerProvider p;
    return p;
}

QMessageBox::StandardButtons standard_buttons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

}  // namespace

void set_answer_provider(AnswerProvider p) {
    provider() = std::move(p);
}

Answer ask_box(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
               Answer default_answer) {
    if (buttons == Buttons::Ok) default_answer = Answer::Ok;
    if (provider()) {
        const Answer a = provider()(title, text, buttons, default_answer);
        return buttons == Buttons::Ok ? Answer::Ok : a;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, standard_buttons(buttons), parent);
    box.setDefaultButton(default_answer == Answer::Ok   ? QMessageBox::Ok
                         : default_answer == Answer::No ? QMessageBox::No
                         : default_answer == Answer::Cancel && buttons == Buttons::YesNoCancel
                             ? QMessageBox::Cancel
                             : QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // Closing a Yes/No box from its title bar counts as its escape
            // button, No; an OK box has only OK.
            return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
}

}  // namespace tw::ui
