// Runs that cross every stage: observed run, bootstrap test and "Finish" in
// one session, on the bundled examples and on small files made for a case.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cluster/linkage_method.h"
#include "datacheck/data_check.h"
#include "datacheck/null_data_check_view.h"
#include "e2e_fixture.h"
#include "resemblance/measure.h"

namespace tw::test {
namespace {

// Every entry of the two tables, so that a new measure or method is run too.
int measure_count() {
    return static_cast<int>(measure_table().size());
}
int method_count() {
    return static_cast<int>(linkage_table().size());
}

bool poor_fit_question(const AskedQuestion& q) {
    return q.title == "Poor Fit to Log-series Warning Do you want to continue?";
}

// ---------------------------------------------------------------------------
// Every measure with every linkage method on every example runs to "Finish".
// The heterogeneity ratio may ask once about a poor log-series fit (the
// presence/absence example has one individual per species); nothing else may
// be asked.

using Combination = std::tuple<const char*, int, int>;

class EveryMeasureAndMethod : public ::testing::TestWithParam<Combination> {};

TEST_P(EveryMeasureAndMethod, RunsToFinishWithResultsForEveryLinkage) {
    const auto [file, measure_entry, linkage_entry] = GetParam();
    Session s(example_path(file));
    s.ctx.settings.measure = measure_of_entry(measure_entry);
    s.ctx.settings.linkage = linkage_of_entry(linkage_entry);
    s.ctx.settings.boot_text = "5";
    if (s.ctx.settings.measure == Measure::HeterogeneityRatio)
        s.host.answer(Answer::Yes);  // used only if the fit is poor

    ASSERT_EQ(s.whole_run(), Outcome::Completed);

    for (const AskedQuestion& q : s.host.questions) EXPECT_TRUE(poor_fit_question(q)) << q.title;
    const std::string report = s.report();
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
    EXPECT_NE(report.find("Bootstrap testing results"), std::string::npos);
    EXPECT_NE(report.find("Original data matrix sample labels with assigned Cluster Identifiers"),
              std::string::npos);
    // Every linkage ends the test with one of the four symbols, and every
    // station of the file is listed with an identifier.
    for (std::int32_t L = 1; L <= s.ctx.NumGroups - 1; ++L) {
        const std::string& sig = s.ctx.SIG[static_cast<std::size_t>(L)];
        EXPECT_TRUE(sig == "S" || sig == "NS" || sig == "*" || sig == "N/A") << L << ": " << sig;
    }
    for (std::int32_t i = 1; i <= s.ctx.NumRows; ++i) {
        const std::string line = "\"" + s.ctx.StationLabel[static_cast<std::size_t>(i)] + "\"";
        EXPECT_NE(report.find("\r\n" + line + " "), std::string::npos) << line;
    }
    for (std::int32_t p = 1; p <= s.ctx.NumGroups; ++p)
        EXPECT_FALSE(s.ctx.Label(p, 2).empty()) << "position " << p;
    EXPECT_FALSE(s.ctx.channels.is_open(Channels::kReport));
}

std::string combination_name(const ::testing::TestParamInfo<Combination>& info) {
    std::string name = std::get<0>(info.param);
    name = name.substr(0, name.find('_'));
    std::string measure = measure_table()[static_cast<std::size_t>(std::get<1>(info.param))].option;
    std::string method = linkage_table()[static_cast<std::size_t>(std::get<2>(info.param))].option;
    const auto not_alnum = [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); };
    std::erase_if(measure, not_alnum);
    std::erase_if(method, not_alnum);
    return name + "_" + measure + "_" + method;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EveryMeasureAndMethod,
    ::testing::Combine(::testing::Values("lake_stations.txt", "meadow_quadrats.txt",
                                         "river_presence.txt", "estuary_transect.txt"),
                       ::testing::Range(0, measure_count()), ::testing::Range(0, method_count())),
    combination_name);

// ---------------------------------------------------------------------------
// One replicate group: nothing to link, nothing to test.

TEST(OneGroup, RunsToFinishWithHeadingsOnlyAndNoIdentifier) {
    Session s(write_input_file("one.txt",
                               "\"One community\"\r\n3, 2\r\n\"STATION\",\"A\",\"B\"\r\n"
                               "\"P1\" 1 2\r\n\"P2\" 2 1\r\n\"P3\" 3 3\r\n1\r\n3\r\n"));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_TRUE(s.host.questions.empty());

    const std::string report = s.report();
    const auto results = report.find(
        "Bootstrap testing results\r\n"
        "LINKAGE  MEMBERS   COUNT <= OBSERVED   P(0.05)\r\n"
        "\r\n\r\n"
        "Original data matrix sample labels with assigned Cluster "
        "Identifiers (letters)\r\n");
    ASSERT_NE(results, std::string::npos) << report;
    // The single group is in no cluster: its stations carry no letter.
    EXPECT_EQ(report.substr(report.size() - 3 * 16),
              "\"P1\"          \r\n\"P2\"          \r\n\"P3\"          \r\n");
    EXPECT_NE(s.host.link_area.history.find("No match found"), std::string::npos);
    EXPECT_EQ(s.siglist(), "");
    EXPECT_EQ(s.host.results.rows, 1);
    EXPECT_EQ(s.host.results.cell(0, 3), "P(0.05)");
}

TEST(OneGroup, ASingleStationFileRunsToFinish) {
    Session s(write_input_file(
        "single.txt", "\"Alone\"\r\n1, 2\r\n\"STATION\",\"A\",\"B\"\r\n\"Z1\" 4 5\r\n0\r\n"));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_TRUE(s.host.questions.empty());
    EXPECT_NE(s.report().find("\r\n\"Z1\"          \r\n"), std::string::npos) << s.report();
}

// ---------------------------------------------------------------------------
// Heterogeneity ratio on presence/absence records: every present species has
// one individual, so the log-series fits poorly. The question comes once, in
// the observed run; after Yes the bootstrap replicates adjust silently.

TEST(HeterogeneityRatio, PoorFitAnsweredYesIsAskedOnceAndTheTestRuns) {
    Session s(example_path("river_presence.txt"));
    s.ctx.settings.measure = Measure::HeterogeneityRatio;
    s.host.answer(Answer::Yes);
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(s.host.questions.size(), 1u);
    EXPECT_TRUE(poor_fit_question(s.host.questions[0]));
    EXPECT_TRUE(s.host.control_visible[Control::DendrogramContinue]);

    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    EXPECT_EQ(s.host.questions.size(), 1u);
    EXPECT_TRUE(s.host.control_visible[Control::ResultsFinish]);
    EXPECT_NE(s.report().find("Bootstrap testing results"), std::string::npos);
}

TEST(HeterogeneityRatio, PoorFitAnsweredNoAbandonsTheRunBeforeClustering) {
    Session s(example_path("river_presence.txt"));
    s.ctx.settings.measure = Measure::HeterogeneityRatio;
    s.host.answer(Answer::No);
    EXPECT_EQ(s.observed(), Outcome::Abandoned);
    EXPECT_FALSE(s.host.ended);
    EXPECT_TRUE(s.host.visible(Window::Options));
    EXPECT_FALSE(s.ctx.channels.is_open(Channels::kReport));
    EXPECT_EQ(s.report().find("* * LINKAGE METHOD * *"), std::string::npos);
    EXPECT_FALSE(s.host.control_visible[Control::DendrogramContinue]);
}

// ---------------------------------------------------------------------------
// Two runs in one session.

TEST(TwoRuns, SecondRunReplacesTheReportAndAddsToTheSignificanceList) {
    Session s(example_path("lake_stations.txt"));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    const std::string first_siglist = s.siglist();
    ASSERT_FALSE(first_siglist.empty());
    EXPECT_FALSE(s.host.control_visible[Control::DendrogramContinue]);  // hidden during the test

    s.ctx.settings.input_file = example_path("meadow_quadrats.txt");
    s.ctx.settings.measure = Measure::BrayCurtis;
    ASSERT_EQ(s.observed(), Outcome::Completed);
    EXPECT_TRUE(s.host.control_visible[Control::DendrogramContinue]) << "Continue shown again";
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    s.finish();

    const std::string report = s.report();
    EXPECT_EQ(report.rfind("Meadow quadrats\r\n", 0), 0u) << "report starts afresh";
    EXPECT_EQ(report.find("Lake"), std::string::npos);
    EXPECT_EQ(report.find("\"L1a\""), std::string::npos);
    EXPECT_EQ(s.cluster_list().rfind("Meadow quadrats\r\n", 0), 0u);

    // The list keeps the first run's lines and adds one per tested linkage
    // of the second (two linkages over three groups, at most two lines).
    const std::string siglist = s.siglist();
    ASSERT_EQ(siglist.rfind(first_siglist, 0), 0u);
    const std::string added = siglist.substr(first_siglist.size());
    const auto lines = crlf_lines(added);
    EXPECT_LE(lines.size(), 2u);
    for (const std::string& line : lines) {
        const std::string sig = line.size() > 14 ? line.substr(14) : "";
        EXPECT_TRUE(sig == "S" || sig == "NS") << "[" << line << "]";
    }
}

TEST(TwoRuns, SecondRunStartsFromFreshData) {
    Session s(example_path("estuary_transect.txt"));
    s.ctx.settings.boot_text = "3";
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    s.ctx.settings.input_file = example_path("meadow_quadrats.txt");
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_EQ(s.ctx.NumRows, 5);
    EXPECT_EQ(s.ctx.NumGroups, 3);
    EXPECT_EQ(s.host.results.rows, 3);
    for (std::int32_t L = 1; L <= 2; ++L)
        EXPECT_NE(s.ctx.SIG[static_cast<std::size_t>(L)], "") << L;
}

// A fixed seed repeats the whole test, however many threads draw the
// samples.
TEST(FixedSeed, SameOutputsOnOneThreadAsOnSeveral) {
    std::string reports[2], siglists[2];
    const unsigned threads[2] = {1, 4};
    for (int i = 0; i < 2; ++i) {
        Session s(example_path("estuary_transect.txt"), 77);
        s.ctx.settings.bootstrap_threads = threads[i];
        s.ctx.settings.bootstrap_thread_min_work = 0;
        ASSERT_EQ(s.whole_run(), Outcome::Completed);
        reports[i] = s.report();
        siglists[i] = s.siglist();
    }
    EXPECT_EQ(reports[0], reports[1]);
    EXPECT_EQ(siglists[0], siglists[1]);
}

// ---------------------------------------------------------------------------
// The replicate sequence line appears in the header only after a format
// check of this run's file.

void check_format(Session& s) {
    NullDataCheckView view;
    DataCheck check(s.ctx, s.host, view);
    for (int press = 0; press < 20 && !view.unloaded; ++press)
        ASSERT_EQ(check.read_pressed(s.ctx.settings.input_file), Outcome::Completed);
    ASSERT_TRUE(view.unloaded);
}

TEST(FormatCheck, ReplicateSequenceLineOnlyAfterACheck) {
    Session s(example_path("meadow_quadrats.txt"));
    s.ctx.settings.bypass_check = false;
    check_format(s);
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_NE(s.report().find("\r\n \r\nReplicate Sequence String: 2 2 1\r\n* * RESEMBLANCE"),
              std::string::npos)
        << s.report();

    s.ctx.settings.bypass_check = true;
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    EXPECT_EQ(s.report().find("Replicate Sequence String"), std::string::npos);
    EXPECT_NE(s.report().find("Input data file: " + s.ctx.settings.input_file +
                              "\r\n \r\n* * RESEMBLANCE MEASURE * *\r\n"),
              std::string::npos);
}

// ---------------------------------------------------------------------------
// "Finish" ends the run's outputs and readies the windows for the next run.

TEST(Finish, ClosesEveryChannelAndBlanksTheResults) {
    Session s(example_path("lake_stations.txt"));
    s.ctx.settings.sqr_sim = true;
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    EXPECT_TRUE(s.ctx.channels.is_open(Channels::kReport));
    EXPECT_TRUE(s.host.control_visible[Control::ResultsFinish]);
    EXPECT_FALSE(s.host.visible(Window::Options));
    EXPECT_FALSE(s.host.canvas.lines.empty());

    s.finish();
    for (int channel = 1; channel <= 16; ++channel)
        EXPECT_FALSE(s.ctx.channels.is_open(channel)) << "channel " << channel;
    EXPECT_TRUE(s.host.visible(Window::Options));
    EXPECT_TRUE(s.host.canvas.lines.empty());
    EXPECT_FALSE(s.ctx.settings.sqr_sim);
    for (int row = 1; row <= 3; ++row)
        for (int column = 0; column <= 3; ++column)
            EXPECT_EQ(s.host.results.cell(row, column), " ") << row << "," << column;
    EXPECT_EQ(s.host.results.cell(0, 0), "LINKAGE");
    // Nothing more reaches the closed report.
    const std::string report = s.report();
    s.ctx.channels.close_all();
    EXPECT_EQ(s.report(), report);
}

}  // namespace
}  // namespace tw::test
