// Whole runs with the test chosen in the method window, and the warning
// before a bootstrap of single stations.

#include <gtest/gtest.h>

#include <set>

#include "bootstrap/unreplicated_groups.h"
#include "e2e/e2e_fixture.h"
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
        ctx.settings.resmx = 1;  // Bray-Curtis
        ctx.settings.link_meth = 4;
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
    EXPECT_NE(report.find("Similarity profile (SIMPROF) testing results\r\n"
                          "Clarke, Somerfield & Gorley (2008), J. Exp. Mar. Biol. Ecol. "
                          "366:56-69\r\n"
                          "500 permutations for the mean profile, 499 for the null; alpha 0.05 "
                          "at every linkage; seed 20240611\r\n"
                          "LINKAGE  MEMBERS   OBJECTS   PI            P           VERDICT\r\n"),
              std::string::npos);
    EXPECT_EQ(report.find("Bootstrap testing results"), std::string::npos);
    EXPECT_FALSE(run.host.opened("SIGLIST.TXT"));
    EXPECT_EQ(run.host.results.cell(0, 2), "PI");
    EXPECT_EQ(run.host.results.cell(0, 3), "P(0.05)");
    EXPECT_TRUE(run.host.control_visible[Control::FORM5Finish]);

    // L1a..L1c, L2a..L2c, ... : one letter per community, four in all.
    const std::vector<std::string> letters = run.station_letters();
    ASSERT_EQ(letters.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(letters[i], letters[i - i % 3]) << "station " << i + 1;
    EXPECT_EQ(std::set<std::string>(letters.begin(), letters.end()).size(), 4u);
    run.finish();
}

TEST(SignificanceRuns, UnusablePermutationsStopTheTestWithAMessage) {
    ChosenTest run("0\r\n");
    run.ctx.settings.permutations_text = "1";
    ASSERT_EQ(run.observed(), Outcome::Completed);
    run.host.answer(Answer::Ok);
    EXPECT_EQ(test_significance(run.ctx, run.host), Outcome::Failed);
    ASSERT_FALSE(run.host.questions.empty());
    EXPECT_EQ(run.host.questions.back().title, "Similarity Profile Test");
    EXPECT_NE(run.host.questions.back().text.find("at least 2"), std::string::npos);
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
