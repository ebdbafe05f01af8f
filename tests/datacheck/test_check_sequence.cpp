// The check as the user steps through it: one line state per press, the
// display, and every way the check can end.

#include <gtest/gtest.h>

#include <filesystem>

#include "check_fixture.h"

namespace tw::test {
namespace {

TEST(CheckSequence, WellFormedFileEndsOnTheSixthPressWhenNothingFollows) {
    CheckRun run;
    run.start(well_formed_with(8, "  2 1  "));
    EXPECT_EQ(run.press_to_end(), 6);
    EXPECT_TRUE(run.faults().empty());
    EXPECT_EQ(run.ctx.ReplicateSequenceText, "  2 1  ");  // for the report, as in the file
    EXPECT_EQ(run.view.statuses,
              (std::vector<std::string>{"Examining Title Line", "Examining Rows/Columns Line",
                                        "Examining Column Labels", "Examining Data Lines",
                                        "Examining replicate groups designator",
                                        "Examining Replicate Sequence Line"}));
    EXPECT_EQ(run.view.unloads, 1);
    EXPECT_TRUE(run.host.visible(Window::Method));
    EXPECT_FALSE(run.check.state().CheckStarted);
    EXPECT_EQ(run.view.last_char_caption, data_check_text::kLastCharacter);
}

TEST(CheckSequence, LinesAfterTheReplicateSequenceTakeOneMorePress) {
    CheckRun run;
    run.start(well_formed_with() + "notes\r\n\r\nmore notes");
    EXPECT_EQ(run.press_to_end(), 7);
    EXPECT_TRUE(run.faults().empty());
    EXPECT_EQ(run.view.statuses.back(), "Examining Extra Lines");
    EXPECT_EQ(run.view.last_char_caption, "Input past last data");
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "11");
}

TEST(CheckSequence, FirstPressLoadsTheTitleLineAndExaminesNothing) {
    CheckRun run;
    EXPECT_EQ(run.start(well_formed_with(1, "  'no quotes'   ")), Outcome::Completed);
    EXPECT_TRUE(run.faults().empty());
    EXPECT_TRUE(run.view.statuses.empty());
    EXPECT_EQ(run.view.field(DataCheckField::FileName), run.path);
    EXPECT_EQ(run.view.read_caption, "Continue");
    EXPECT_TRUE(run.view.display_fields_shown);
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "1");
    EXPECT_EQ(run.view.field(DataCheckField::TotChar), "11");  // blanks trimmed
    EXPECT_TRUE(run.check.state().CheckStarted);
}

TEST(CheckSequence, EveryBundledExamplePassesWithoutAQuestion) {
    for (const char* name : {"lake_stations.txt", "meadow_quadrats.txt", "river_presence.txt",
                             "estuary_transect.txt"}) {
        CheckRun run;
        run.path = examples_dir() + "/" + name;
        run.check.read_pressed(run.path);
        EXPECT_GT(run.press_to_end(), 0) << name;
        EXPECT_TRUE(run.faults().empty()) << name;
        EXPECT_TRUE(run.host.visible(Window::Method)) << name;
    }
}

TEST(CheckSequence, FileThatCannotBeOpenedIsReportedAndLeavesTheOptionsWindowUsable) {
    const std::string folder = std::filesystem::path(write_input_file("x.txt", "")).parent_path();
    for (const std::string& name : {folder + "/missing.txt", folder, std::string()}) {
        CheckRun run;
        EXPECT_EQ(run.check.read_pressed(name), Outcome::Failed) << name;
        ASSERT_EQ(run.host.questions.size(), 1u) << name;
        EXPECT_EQ(run.host.questions[0].title, "Input File Error");
        EXPECT_EQ(run.host.questions[0].buttons, Buttons::Ok);
        if (!name.empty()) {
            EXPECT_NE(run.host.questions[0].text.find(name), std::string::npos);
        }
        EXPECT_EQ(run.view.unloads, 1);
        EXPECT_FALSE(run.host.visible(Window::Method));
        EXPECT_EQ(run.host.window_visible.count(Window::Options), 0u);
        EXPECT_FALSE(run.host.ended);
        EXPECT_FALSE(run.check.state().CheckStarted);
    }
}

TEST(CheckSequence, NoToAFaultEndsTheProgramWithEveryChannelClosed) {
    CheckRun run;
    run.ctx.channels.open(run.host, Channels::kReport, "report.txt", OpenMode::Write);
    run.start(well_formed_with(1, "Pond survey"));
    run.host.answer(Answer::No);
    EXPECT_EQ(run.press(), Outcome::Ended);
    EXPECT_EQ(run.faults().size(), 1u);  // the scan stopped at the first fault
    EXPECT_TRUE(run.host.ended);
    EXPECT_FALSE(run.ctx.channels.is_open(Channels::kReport));
    EXPECT_EQ(run.view.unloads, 0);
    EXPECT_FALSE(run.host.visible(Window::Method));
}

TEST(CheckSequence, ExitEndsTheProgramBeforeOrDuringTheCheck) {
    CheckRun before;
    before.check.exit_pressed();
    EXPECT_TRUE(before.host.ended);

    CheckRun during;
    during.host.on_yield = [&] {
        if (during.host.yields == 3) during.check.exit_pressed();
    };
    during.start(well_formed_with());
    during.press();
    during.press();
    EXPECT_FALSE(during.host.ended);
    EXPECT_EQ(during.press(), Outcome::Ended);  // Exit at the third label character
    EXPECT_TRUE(during.host.ended);
    EXPECT_EQ(during.view.field(DataCheckField::CharNum), "3");
    EXPECT_EQ(during.view.unloads, 0);
}

TEST(CheckSequence, PressesDuringAScanAreIgnored) {
    CheckRun run;
    run.host.on_yield = [&] { run.press(); };
    run.start(well_formed_with());
    EXPECT_EQ(run.press_to_end(), 6);
    EXPECT_EQ(run.view.statuses.size(), 6u);
    EXPECT_GT(run.host.yields, 0);
}

TEST(CheckSequence, ScansYieldAfterEachCharacterExceptOnTheFirstTwoLines) {
    CheckRun run;
    std::vector<bool> label_at_yield;
    run.host.on_yield = [&] { label_at_yield.push_back(run.view.last_char_label_visible); };
    run.start(well_formed_with());
    std::vector<long long> yields;
    for (int press = 1; press <= 6; ++press) {
        const long long before = run.host.yields;
        run.press();
        yields.push_back(run.host.yields - before);
        EXPECT_TRUE(run.view.last_char_label_visible) << "after press " << press;
    }
    // Title, rows/columns, labels (21), three stations (8 + 10 + 8), groups, sequence.
    EXPECT_EQ(yields, (std::vector<long long>{0, 0, 21, 26, 1, 3}));
    EXPECT_FALSE(label_at_yield.front());  // hidden until the line's last character
}

}  // namespace
}  // namespace tw::test
