#include <gtest/gtest.h>

#include <string>

#include "cluster/observed_run.h"
#include "resemblance/measure.h"
#include "run/entry_point.h"
#include "run/run_driver.h"
#include "run_fixture.h"

namespace tw {
namespace {

using test::crlf_lines;

const std::string kZeroRowFile =
    crlf_lines({"\"T\"", "3 2", "\"S\" \"a\" \"b\"", "\"X\" 1 2", "\"Y\" 0 0", "\"Z\" 3 1", "0"});

Outcome prepare_guarded(test::RunFixture& run) {
    return run_guarded(run.ctx, run.host, [&] {
        return prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure));
    });
}

TEST(RunDriver, ObservedRunIsReadyForTheHandOver) {
    test::RunFixture run;
    run.use_file(test::five_station_file());
    run.ctx.settings.print_average = true;
    run.ctx.settings.measure = Measure::BrayCurtis;
    run.ctx.settings.boot_text = "25";
    run.host.show(Window::Start, true);
    run.host.show(Window::Method, true);  // a key press on CONTINUE leaves Form3 shown

    ASSERT_EQ(prepare_guarded(run), Outcome::Completed);
    const RunContext& ctx = run.ctx;
    EXPECT_EQ(ctx.NumGroups, 3);
    EXPECT_EQ(ctx.AvgMatrix(1, 2), 5.0f);
    EXPECT_EQ(ctx.AvgMatrix(2, 1), 2.5f);
    EXPECT_EQ(ctx.AvgMatrix(3, 1), 7.0f);
    EXPECT_EQ(ctx.GroupLabel, (std::vector<std::string>{"", "A1", "B1", "C1"}));
    EXPECT_FALSE(ctx.PrintAvgFlag);
    EXPECT_EQ(ctx.MeasureIndex, Measure::BrayCurtis);
    EXPECT_EQ(ctx.NumBoot, 25);
    EXPECT_EQ(ctx.LinkMembers.last_link(), 5);
    EXPECT_EQ(ctx.LinkLevel.size(), 5u);

    EXPECT_EQ(run.host.file("average.txt"),
              "\"Five stations\"\r\n"
              " 3" +
                  std::string(13, ' ') +
                  "2 \r\n"
                  "\"STATION \"\"Sp1\" \"Sp2\"  \r\n"
                  "\"A1\"     1.500 5.000  \r\n"
                  "\"B1\"     2.500 1.500  \r\n"
                  "\"C1\"     7.000 1.000  \r\n");
    const std::string report = run.host.file("report.lst");
    const std::string opening =
        "Five stations\r\n \r\nInput data file: " + run.ctx.settings.input_file + "\r\n \r\n* * ";
    EXPECT_EQ(report.substr(0, opening.size()), opening);
    EXPECT_NE(report.find("2) Bray-Curtis"), std::string::npos);
    EXPECT_NE(report.find("**   25   bootstrap samples were used **\r\n \r\n"), std::string::npos);
    EXPECT_TRUE(ctx.channels.is_open(Channels::kReport));
    EXPECT_FALSE(run.host.visible(Window::Start));
    EXPECT_FALSE(run.host.visible(Window::Options));
    EXPECT_FALSE(run.host.visible(Window::Method));
}

TEST(RunDriver, HeterogeneityRatioWithAnEmptyRowAsksTwiceAndYesGoesBack) {
    test::RunFixture run;
    run.use_file(kZeroRowFile);
    run.ctx.settings.measure = Measure::HeterogeneityRatio;
    run.ctx.settings.print_average = true;
    run.ctx.channels.open(run.host, Channels::kReport, "former.lst", OpenMode::Write);
    run.host.answer(Answer::Yes).answer(Answer::Yes);

    EXPECT_EQ(run_analysis(run.ctx, run.host), Outcome::Abandoned);
    ASSERT_EQ(run.host.questions.size(), 2u);
    EXPECT_EQ(run.host.questions[0].title, "Empty Data Row Warning Do you want to continue?");
    EXPECT_EQ(run.host.questions[1].title, "H/R Computation Failure Do you want to continue?");
    EXPECT_EQ(run.host.questions[1].text,
              "If any data rows total to zero or a negative number, computations for the H/R "
              "will fail. Choose another similarity measure if you wish to continue.");
    EXPECT_FALSE(run.ctx.channels.is_open(Channels::kReport));
    EXPECT_FALSE(run.host.opened("report.lst"));
    EXPECT_FALSE(run.host.opened("average.txt"));
    EXPECT_TRUE(run.host.visible(Window::Options));
    EXPECT_FALSE(run.host.visible(Window::Method));
    EXPECT_FALSE(run.host.ended);
}

TEST(RunDriver, NoToAnyQuestionEndsTheProgram) {
    test::RunFixture run;
    run.use_file(kZeroRowFile);
    run.ctx.settings.measure = Measure::HeterogeneityRatio;
    run.host.answer(Answer::Yes).answer(Answer::No);
    EXPECT_EQ(run_analysis(run.ctx, run.host), Outcome::Ended);
    EXPECT_TRUE(run.host.ended);
    EXPECT_FALSE(run.host.opened("report.lst"));
}

TEST(RunDriver, OtherMeasuresOnlyAskAboutTheEmptyRow) {
    for (const MeasureTraits& m : measure_table()) {
        if (m.row_totals_prompt != nullptr) continue;  // asks about the totals as well
        test::RunFixture run;
        run.use_file(kZeroRowFile);
        run.ctx.settings.measure = m.index;
        run.host.answer(Answer::Yes);
        EXPECT_EQ(prepare_guarded(run), Outcome::Completed) << m.option;
        EXPECT_EQ(run.host.questions.size(), 1u) << m.option;
        EXPECT_TRUE(run.host.opened("report.lst")) << m.option;
    }
}

TEST(RunDriver, ASecondRunStartsFromScratch) {
    test::RunFixture run;
    run.use_file(test::five_station_file());
    ASSERT_EQ(prepare_guarded(run), Outcome::Completed);
    run.ctx.ReplicateSequenceText = "2 2 1";
    run.use_file(crlf_lines({"\"Small\"", "2 1", "\"S\" \"a\"", "\"P\" 4", "\"Q\" 6", "1", "2"}));
    ASSERT_EQ(prepare_guarded(run), Outcome::Completed);
    EXPECT_EQ(run.ctx.NumRows, 2);
    EXPECT_EQ(run.ctx.NumGroups, 1);
    EXPECT_EQ(run.ctx.AvgMatrix(1, 1), 5.0f);
    EXPECT_EQ(run.ctx.GroupLabel.size(), 2u);
    EXPECT_EQ(run.ctx.ReplicateSequenceText, "2 2 1");
    EXPECT_EQ(run.host.file("report.lst").substr(0, 5), "Small");
}

}  // namespace
}  // namespace tw
