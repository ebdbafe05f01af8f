// What the windows may do while a stage runs and yields to them, and what
// they show when a stage fails in a way the program has no message for.

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ui/method_window.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/results_window.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

using StageSafetyTest = WindowTest;

std::string read_bytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Yields as a long loop does until `done`, giving the windows their turns.
void yield_until(Host& host, const bool& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 5000) host.yield_for(1 << 20);
}

TEST_F(StageSafetyTest, FinishAndItsKeyDoNothingWhileAStageRuns) {
    session->start();
    session->results_window().show();
    session->results_window().finish_button->show();  // as a second run finds it after the first
    QTemporaryDir dir;
    const QString path = dir.filePath("report.txt");
    bool pressed = false;
    bool enabled_during = true;
    const Outcome o = session->stages().guarded([&] {
        Channels& channels = session->context().channels;
        channels.open(session->host(), Channels::kReport, path.toStdString(), OpenMode::Write)
            .text("before")
            .end();
        QTimer::singleShot(0, [&] {
            QPushButton* finish = session->results_window().finish_button;
            enabled_during = finish->isEnabled();
            QTest::keyClick(finish, Qt::Key_Return);
            QTest::mouseClick(finish, Qt::LeftButton);
            session->stages().finish_key();  // as if the key reached it all the same
            session->stages().finish();
            pressed = true;
        });
        yield_until(session->host(), pressed);
        // The stage goes on writing to the report it opened.
        EXPECT_TRUE(channels.is_open(Channels::kReport));
        channels.report().text("after").end();
        return Outcome::Completed;
    });
    EXPECT_TRUE(pressed);
    EXPECT_EQ(o, Outcome::Completed);
    EXPECT_FALSE(enabled_during);
    EXPECT_TRUE(session->results_window().finish_button->isEnabled());
    session->context().channels.close_all();
    EXPECT_EQ(read_bytes(path), "before\r\nafter\r\n");
}

TEST_F(StageSafetyTest, AnUnexpectedFaultIsReportedOnceAndTheWindowsStayUsable) {
    session->start();
    QTemporaryDir dir;
    const QString path = dir.filePath("report.txt");
    struct NotAnError {};  // something that is not even an exception class
    const std::vector<std::function<void()>> faults = {
        [] { throw std::logic_error("linkage members already in the same cluster"); },
        [] { throw NotAnError{}; },
    };
    for (const auto& fault : faults) {
        boxes.clear();
        const Outcome o = session->stages().guarded([&] {
            RunContext& ctx = session->context();
            ctx.channels
                .open(session->host(), Channels::kReport, path.toStdString(), OpenMode::Write)
                .text("partial");  // a line left part-way
            ctx.Stage = RunStage::Clustering;
            fault();
            return Outcome::Completed;
        });
        EXPECT_EQ(o, Outcome::Failed);
        EXPECT_FALSE(session->stages().busy());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "Program Error");
        EXPECT_TRUE(boxes[0].text.contains("while clustering")) << boxes[0].text.toStdString();
        EXPECT_FALSE(session->context().channels.is_open(Channels::kReport));
        EXPECT_EQ(
            read_bytes(path),
            "partial\r\n*** RUN STOPPED while clustering: this report is incomplete. ***\r\n");
        EXPECT_TRUE(session->options_window().isVisible());
        EXPECT_TRUE(session->options_window().continue_button->isEnabled());
        EXPECT_TRUE(session->method_window().continue_button->isEnabled());
    }
    // And the next stage runs.
    EXPECT_EQ(session->stages().guarded([] { return Outcome::Completed; }), Outcome::Completed);
}

}  // namespace
}  // namespace tw::ui::test
