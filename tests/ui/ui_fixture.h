#pragma once
// A session of real windows whose message boxes are recorded and answered
// from a queue instead of being shown.

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <memory>
#include <vector>

#include "ui/message_box.h"
#include "ui/session.h"

namespace tw::ui::test {

struct SeenBox {
    QString title;
    QString text;
    Buttons buttons;
    Answer default_answer;  // what Enter would press
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        set_answer_provider(
            [this](const QString& title, const QString& text, Buttons b, Answer default_answer) {
                boxes.push_back({title, text, b, default_answer});
                if (b == Buttons::Ok) return Answer::Ok;
                if (answers.empty()) {
                    ADD_FAILURE() << "unexpected question: " << title.toStdString();
                    return Answer::No;
                }
                const Answer a = answers.front();
                answers.pop_front();
                return a;
            });
        session = std::make_unique<Session>();
    }
    void TearDown() override {
        session.reset();
        set_answer_provider({});
    }

    std::unique_ptr<Session> session;
    std::vector<SeenBox> boxes;
    std::deque<Answer> answers;
};

}  // namespace tw::ui::test
