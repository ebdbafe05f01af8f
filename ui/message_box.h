#pragma once
// Every message box of the program goes through ask_box, so that a scripted
// session can answer them without a modal dialog ever blocking it.

#include <QString>
#include <functional>

#include "run/host.h"

class QWidget;

namespace tw::ui {

// Answers a box instead of showing it: given the title, the text and the
// buttons offered, returns the button chosen.
using AnswerProvider =
    std::function<Answer(const QString& title, const QString& text, Buttons buttons)>;

// Install (or, with an empty function, remove) the provider that answers every
// later box. Without one, boxes are real modal dialogs.
void set_answer_provider(AnswerProvider provider);

// A modal box with no icon, the given buttons and Yes as the default button.
// With Buttons::Ok the answer is always Answer::Ok.
Answer ask_box(QWidget* parent, const QString& title, const QString& text, Buttons buttons);

}  // namespace tw::ui
