#pragma once
// Every message box of the program goes through ask_box, so that a scripted
// session can answer them without a modal dialog ever blocking it.

#include <QString>
#include <functional>

#include "run/host.h"

class QWidget;

namespace tw::ui {

// Answers a box instead of showing it: given the title, the text, the
// buttons offered and the default button (what Enter would press), returns
// the button chosen.
using AnswerProvider = std::function<Answer(const QString& title, const QString& text,
                                            Buttons buttons, Answer default_answer)>;

// Install (or, with an empty function, remove) the provider that answers every
// later box. Without one, boxes are real modal dialogs.
void set_answer_provider(AnswerProvider provider);

// A modal box with no icon, the given buttons and `default_answer` as the
// default button (Yes unless a question risks the user's work, where No is).
// With Buttons::Ok the answer is always Answer::Ok.
Answer ask_box(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
               Answer default_answer = Answer::Yes);

}  // namespace tw::ui
