// Whole runs on data that take the rarer paths between the stages: empty
// samples under Bray-Curtis, a poor log-series fit met only by a bootstrap
// sample, groups that leave stations out, no cluster list, an unusable
// bootstrap count.

#include <gtest/gtest.h>

#include <string>

#include "e2e_fixture.h"

namespace tw::test {
namespace {

// Groups 1 and 2 hold only empty samples: the observed run sets their
// similarity to 1, every bootstrap sample of linkage 1 is empty too and is
// drawn again until the test gives up; linkage 2 mixes empty and living
// samples, so some of its samples are drawn again.
TEST(EmptySamples, BrayCurtisGivesUpOnAllEmptyGroupsAndNotesRedrawnSamples) {
    Session s(
        write_input_file("empty.txt",
                         "\"Empty pairs\"\r\n6, 2\r\n\"STATION\",\"A\",\"B\"\r\n\"E1\" 0 0\r\n"
                         "\"E2\" 0 0\r\n\"E3\" 0 0\r\n\"E4\" 0 0\r\n\"F1\" 3 1\r\n\"F2\" 1 3\r\n"
                         "3\r\n2 2 2\r\n"));
    s.ctx.settings.measure = Measure::BrayCurtis;
    s.ctx.settings.boot_text = "30";
    for (int row = 0; row < 4; ++row) s.host.answer(Answer::Yes);  // four empty rows

    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_EQ(s.host.questions.size(), 4u);
    const std::string report = s.report();
    EXPECT_NE(report.find("\r\n 1    1               E1        E3\r\n"), std::string::npos);
    EXPECT_NE(
        report.find(
            "\r\n    1      1    2            -         N/A    N/AResampled to avoid error\r\n"),
        std::string::npos)
        << report;
    EXPECT_NE(report.find("Resampled to avoid error\r\n\r\n\r\nOriginal data matrix"),
              std::string::npos)
        << "linkage 2 mixes empty samples in, some of its samples are drawn again";
    const std::string& messages = s.host.message_area.history;
    EXPECT_NE(messages.find("All abundances 0 -- similarity set to 1\r\n"), std::string::npos);
    EXPECT_NE(messages.find("All abundances 0 -- \r\nno test will be performed on link:  1 \r\n"),
              std::string::npos);
    // The linkage that was given up has no line in the significance list.
    EXPECT_EQ(s.siglist().find(" 1      "), std::string::npos);
    EXPECT_EQ(s.siglist().substr(0, 14), " 2            ");
}

// The observed groups fit the log-series; a bootstrap sample made of the
// one-individual-per-species stations only does not. With 200 samples such
// a sample is all but certain (each has a chance of 1 in 16).
constexpr const char* kFitsOnlyWhenObserved =
    "\"Poor fit in a sample\"\r\n4, 3\r\n\"STATION\",\"A\",\"B\",\"C\"\r\n"
    "\"P1\" 1 1 1\r\n\"P2\" 1 1 1\r\n\"R1\" 10 10 10\r\n\"R2\" 10 10 10\r\n2\r\n2 2\r\n";

TEST(PoorFitInASample, YesAdjustsTheRestOfTheTestSilently) {
    Session s(write_input_file("fit.txt", kFitsOnlyWhenObserved));
    s.ctx.settings.measure = Measure::HeterogeneityRatio;
    s.ctx.settings.boot_text = "200";
    ASSERT_EQ(s.observed(), Outcome::Completed);
    EXPECT_TRUE(s.host.questions.empty());

    s.host.answer(Answer::Yes);
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_EQ(s.host.questions[0].title, "Poor Fit to Log-series Warning Do you want to continue?");
    EXPECT_EQ(s.host.questions[0].text.rfind("Replicate group 1 or 2 (or both) fit", 0), 0u);
    EXPECT_NE(s.ctx.SIG[1], "");
    EXPECT_NE(s.siglist(), "");
}

TEST(PoorFitInASample, NoAbandonsTheTestWithEveryFileClosedAndNoResults) {
    Session s(write_input_file("fit.txt", kFitsOnlyWhenObserved));
    s.ctx.settings.measure = Measure::HeterogeneityRatio;
    s.ctx.settings.boot_text = "200";
    ASSERT_EQ(s.observed(), Outcome::Completed);
    const std::string observed_report = s.report();

    s.host.answer(Answer::No);
    EXPECT_EQ(s.bootstrap(), Outcome::Abandoned);
    EXPECT_FALSE(s.host.ended);
    EXPECT_FALSE(s.ctx.channels.is_open(Channels::kReport));
    EXPECT_EQ(s.report(), observed_report) << "no results table after an abandoned test";
    EXPECT_EQ(s.siglist(), "");
    EXPECT_TRUE(s.host.visible(Window::Options));
    EXPECT_FALSE(s.host.control_visible[Control::ResultsFinish]);
}

// Groups of 2 and 2 over five stations: the fifth station is in no group and
// is left out of the analysis and of the station list.
TEST(ShortGroups, StationsBeyondTheGroupsAreLeftOut) {
    Session s(
        write_input_file("short.txt",
                         "\"Short groups\"\r\n5, 2\r\n\"STATION\",\"A\",\"B\"\r\n\"E1\" 1 0\r\n"
                         "\"E2\" 0 2\r\n\"E3\" 3 3\r\n\"E4\" 5 0\r\n\"F1\" 3 1\r\n2\r\n2 2\r\n"));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    const std::string report = s.report();
    EXPECT_NE(report.find("\r\n\"E4\"          A\r\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("\"F1\""), std::string::npos);
}

TEST(NoClusterList, ThresholdZeroWritesNoClusterListAndDrawsNoLink) {
    Session s(example_path("meadow_quadrats.txt"));
    s.ctx.settings.savelinks_text = "0";
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_FALSE(s.host.opened("CLUSTER.LST"));
    EXPECT_NE(s.report().find("  X             Y\r\n \r\nBootstrap testing results\r\n"),
              std::string::npos);
}

TEST(BootstrapCount, ZeroSamplesStopsTheTestBeforeAnyResult) {
    Session s(example_path("meadow_quadrats.txt"));
    s.ctx.settings.boot_text = "none";
    ASSERT_EQ(s.observed(), Outcome::Completed);
    EXPECT_NE(s.report().find("\r\n**   0   bootstrap samples were used **\r\n"),
              std::string::npos);
    const std::string observed_report = s.report();

    EXPECT_EQ(s.bootstrap(), Outcome::Failed);
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_EQ(s.host.questions[0].buttons, Buttons::Ok);
    EXPECT_EQ(s.report(), observed_report);
    EXPECT_EQ(s.siglist(), "");
}

}  // namespace
}  // namespace tw::test
