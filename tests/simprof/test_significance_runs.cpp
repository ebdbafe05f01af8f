// Whole runs with the test chosen in the method window, and the warning
// before a bootstrap of single stations.

#include <gtest/gtest.h>

#include <set>

#include "bootstrap/unreplicated_groups.h"
#include "e2e/e2e_fixture.h"
#include "run/text_number.h"
#include "simprof/simprof_settings.h"
#include "simprof/test_profiles.h"

namespace tw::test {
namespace {

// The lake example's twelve stations, four communities of three, with the
// group line given here ("0": every station on its own).
std::string lake_with_groups(const std::string& group_lines) {
    std::string text = bytes_of(example_path("lake_stations.txt"));
    const std::size_t groups_at = text.rfind("4\r\n3 3 3 3");
    EXPECT_NE(groups_at, std::string::npos);
    return text.substr(0, groups_at) + group_lines;
}

struct ChosenTest : Session {
    explicit ChosenTest(const std::string& group_lines)
        : Session(write_input_file("lake.txt", lake_with_groups(group_lines))) {
        ctx.settings.measure = Measure::BrayCurtis;
        ctx.settings.linkage = LinkageMethod::UPGMA;
        ctx.settings.test_method = TestMethod::Simprof;
        ctx.settings.permutations_text = "500";
        ctx.settings.bootstrap_threads = 1;
    }
    std::vector<std::string> station_letters() const {
        std::vector<std::string> letters;
        for (const std::string& line : crlf_lines(report()))
            if (line.size() > 14 && line[0] == '"') letters.push_back(line.substr(14));
        return letters;
    }
};

TEST(SignificanceRuns, SimprofOnUnreplicatedStationsFindsTheCommunities) {
    ChosenTest run("0\r\n");
    ASSERT_EQ(run.observed(), Outcome::Completed);
    ASSERT_EQ(test_significance(run.ctx, run.host), Outcome::Completed);

    const std::string report = run.report();
    EXPECT_NE(
        report.find("Similarity profile (SIMPROF) testing results\r\n"
                    "Clarke, Somerfield & Gorley (2008), J. Exp. Mar. Biol. Ecol. "
                    "366:56-69\r\n"
                    "500 permutations for the mean profile, 499 for the null; alpha 0.05 "
                    "at every linkage; seed 20240611\r\n"
                    "LINKAGE  OBJECTS   PI            P                 VERDICT  MEMBERS\r\n"),
        std::string::npos);
    EXPECT_EQ(report.find("Bootstrap testing results"), std::string::npos);
    EXPECT_FALSE(run.host.opened("SIGLIST.TXT"));
    EXPECT_EQ(run.host.results.cell(0, 2), "PI");
    EXPECT_EQ(run.host.results.cell(0, 3), "P(0.05)");
    EXPECT_TRUE(run.host.control_visible[Control::ResultsFinish]);

    // L1a..L1c, L2a..L2c, ... : one letter per community, four in all.
    const std::vector<std::string> letters = run.station_letters();
    ASSERT_EQ(letters.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(letters[i], letters[i - i % 3]) << "station " << i + 1;
    EXPECT_EQ(std::set<std::string>(letters.begin(), letters.end()).size(), 4u);
    run.finish();
}

TEST(SignificanceRuns, UnusablePermutationsStopTheTestWithAMessage) {
    for (const char* box : {"1", "0", "-5", "many", "1000001"}) {
        SCOPED_TRACE(box);
        ChosenTest run("0\r\n");
        run.ctx.settings.permutations_text = box;
        ASSERT_EQ(run.observed(), Outcome::Completed);
        run.host.answer(Answer::Ok);
        EXPECT_EQ(test_significance(run.ctx, run.host), Outcome::Failed);
        ASSERT_FALSE(run.host.questions.empty());
        EXPECT_EQ(run.host.questions.back().title, "Similarity Profile Test");
        // The batch command's --permutations refuses with this same text.
        EXPECT_EQ(run.host.questions.back().text, *permutations_problem(whole_number_setting(box)));
        EXPECT_TRUE(run.ctx.Results.links.empty());
    }
}

TEST(SignificanceRuns, TooFewPermutationsForAlphaAreNamedBeforeTheTest) {
    RunSettings s;
    s.test_method = TestMethod::Simprof;
    s.alpha_text = "0.05";
    s.permutations_text = "19";  // smallest P 1/19 = 0.053
    const auto warning = permutation_floor_warning(s);
    ASSERT_TRUE(warning.has_value());
    EXPECT_NE(warning->find("no linkage can be significant"), std::string::npos) << *warning;
    EXPECT_NE(warning->find("At least 20 permutations"), std::string::npos) << *warning;
    s.permutations_text = "20";  // 1/20 = alpha: significant is still possible
    EXPECT_FALSE(permutation_floor_warning(s).has_value());
    s.permutations_text = "5";
    s.test_method = TestMethod::Bootstrap;
    EXPECT_FALSE(permutation_floor_warning(s).has_value());
}

// Stopped part-way, the linkage under test and every one left are marked
// STOPPED everywhere; what was tested keeps its verdict.
TEST(SignificanceRuns, AStoppedProfileTestReportsItsUntestedLinkages) {
    ChosenTest run("0\r\n");
    ASSERT_EQ(run.observed(), Outcome::Completed);
    run.host.stop_after = 1500;  // the root takes 999 sets; the next node is stopped
    ASSERT_EQ(test_significance(run.ctx, run.host), Outcome::Completed);
    const TestResults& r = run.ctx.Results;
    const std::int32_t root = run.ctx.NumGroups - 1;
    EXPECT_EQ(r.at(root).verdict, Verdict::Significant);
    std::int32_t stopped = 0;
    for (std::int32_t link = 1; link < root; ++link)
        stopped += r.at(link).verdict == Verdict::Stopped ? 1 : 0;
    EXPECT_GT(stopped, 0);
    EXPECT_NE(run.report().find("The test was stopped: " + std::to_string(stopped) +
                                " linkages marked STOPPED were not tested."),
              std::string::npos);
    EXPECT_NE(run.report().find("only the linkages tested before the stop"), std::string::npos);
    // The progress counted permutations, linkage by linkage from the root.
    ASSERT_FALSE(run.host.progress.empty());
    EXPECT_EQ(run.host.progress.front().linkage, root);
    EXPECT_EQ(run.host.progress.front().test, SignificanceTest::SimilarityProfile);
    EXPECT_GE(run.host.progress.back().replicates_done, 1500);
    EXPECT_LT(run.host.progress.back().replicates_done, run.host.progress.back().replicates_total);
}

TEST(SignificanceRuns, WarningNamesWhatTheBootstrapCannotTest) {
    {
        ChosenTest run("0\r\n");
        ASSERT_EQ(run.observed(), Outcome::Completed);
        const UnreplicatedLinks found = unreplicated_links(run.ctx);
        EXPECT_TRUE(found.every_group);
        EXPECT_FALSE(found.links.empty());
        const auto text = unreplicated_warning(run.ctx);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(text->rfind("Every group in these data holds a single station", 0), 0u);
        EXPECT_NE(text->find("Similarity profile (SIMPROF)"), std::string::npos);
    }
    {
        // Three groups of three, then the last community's stations on their own.
        ChosenTest run("6\r\n3 3 3 1 1 1\r\n");
        ASSERT_EQ(run.observed(), Outcome::Completed);
        const UnreplicatedLinks found = unreplicated_links(run.ctx);
        EXPECT_FALSE(found.every_group);
        ASSERT_EQ(found.links.size(), 1u);
        const std::int32_t link = found.links[0];
        EXPECT_EQ(run.ctx.LinkSize[static_cast<std::size_t>(link)], 3);
        EXPECT_EQ(
            unreplicated_warning(run.ctx)->rfind(
                "Linkage " + std::to_string(link) + " joins only groups of a single station", 0),
            0u);
    }
    {
        ChosenTest run("4\r\n3 3 3 3\r\n");
        ASSERT_EQ(run.observed(), Outcome::Completed);
        EXPECT_FALSE(unreplicated_warning(run.ctx).has_value());
    }
}

}  // namespace
}  // namespace tw::test
