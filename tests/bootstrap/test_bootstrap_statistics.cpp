// The whole test on small data sets, with the real averaging and the real
// resemblance-and-clustering routine.

#include <gtest/gtest.h>

#include "bootstrap/test_linkages.h"
#include "bootstrap_fixture.h"
#include "resemblance/measure.h"

namespace tw::test {
namespace {

TEST(BootstrapTest, DistinctGroupsOfThreeFuseAsLooselyAboutOnceIn32Replicates) {
    // A replicate fuses as loosely as the observed groups only when each
    // group draws three stations of one kind and the two kinds differ:
    // 2 * (1/2)^6 = 1/32; a looser fusion is impossible, so only equal
    // levels count. Over 1000 replicates the count is Binomial(1000, 1/32),
    // mean 31.25, sd 5.5: P(count < 6) = 5.5e-9 and P(count > 68) = 1.9e-9,
    // so the band [6, 68] holds for any seed, while a strict comparison (0)
    // or resampling within each group (1000) falls outside it.
    BootstrapRun r({3, 3});
    r.group_values(1, {10, 0});
    r.group_values(2, {0, 10});
    r.ctx.NumBoot = 1000;
    observe(r, kEuclidean);
    const Matrix<float> avg = r.ctx.AvgMatrix;
    const Workspace work = r.ctx.work;
    const std::vector<std::string> labels = r.ctx.GroupLabel;

    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
    const float count = r.ctx.LinkStat[1];
    EXPECT_GE(count, 6.0f);
    EXPECT_LE(count, 68.0f);
    const std::string sig = count / 1000.0f <= 0.05f ? "S" : "NS";
    EXPECT_EQ(r.ctx.SIG[1], sig);
    EXPECT_EQ(r.siglist(), " 1            " + sig + "\r\n");
    // The windows still show the observed run's values.
    EXPECT_EQ(r.ctx.AvgMatrix(2, 2), avg(2, 2));
    EXPECT_EQ(r.ctx.work.SimMatrix(1, 2), work.SimMatrix(1, 2));
    EXPECT_EQ(r.ctx.work.LinkI, work.LinkI);
    EXPECT_EQ(r.ctx.GroupLabel, labels);
    EXPECT_TRUE(r.host.visible(Window::Results));
    EXPECT_TRUE(r.host.control_visible[Control::ResultsFinish]);
    EXPECT_EQ(r.host.control_visible.count(Control::DendrogramContinue),
              1u);  // hidden, not just unset
    EXPECT_FALSE(r.host.control_visible[Control::DendrogramContinue]);
}

TEST(BootstrapTest, IdenticalGroupsCountEveryReplicateAndEveryRunAppendsItsLines) {
    BootstrapRun r({3, 3});
    r.group_values(1, {5, 5});
    r.group_values(2, {5, 5});
    r.ctx.NumBoot = 200;
    observe(r, kEuclidean);
    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
    EXPECT_EQ(r.ctx.LinkStat[1], 200.0f);
    EXPECT_EQ(r.ctx.SIG[1], "NS");
    EXPECT_EQ(r.ids(), "A A ");
    EXPECT_NE(r.report().find("    1      1    2             200       1     NS \r\n"),
              std::string::npos);

    finish_run(r.ctx, r.host);
    r.ctx.SIG[1] = "";
    r.ctx.LinkStat[1] = 0;
    r.ctx.channels.open(r.host, Channels::kReport, "SECOND.LST", OpenMode::Write);
    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
    EXPECT_EQ(r.siglist(), " 1            NS\r\n 1            NS\r\n");
}

TEST(BootstrapTest, EveryReplicateIsStandardisedAndTransformedAsTheObservedGroups) {
    // Four stations of one profile, 1 : 3, sampled with different effort.
    // Standardised, every group and every replicate group is (25 75) exactly,
    // so every replicate joins at the observed level of 1; left as counts,
    // a replicate that gives both groups the same stations joins closer than
    // the observed groups and is not counted. On threads as on one.
    for (const unsigned threads : {1u, 2u}) {
        for (const bool standardise : {true, false}) {
            SCOPED_TRACE(std::to_string(threads) + (standardise ? " standardised" : " counts"));
            BootstrapRun r({2, 2});
            const float counts[4][2] = {{1, 3}, {4, 12}, {2, 6}, {8, 24}};
            for (std::int32_t i = 1; i <= 4; ++i)
                for (std::int32_t j = 1; j <= 2; ++j) r.ctx.DataMatrix(i, j) = counts[i - 1][j - 1];
            r.ctx.StandardiseFlag = standardise;
            r.ctx.TransformCode = Transform::FourthRoot;
            r.ctx.settings.bootstrap_threads = threads;
            r.ctx.settings.bootstrap_thread_min_work = 0;
            r.ctx.NumBoot = 200;
            observe(r, kBrayCurtis);
            ASSERT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
            if (standardise) {
                EXPECT_EQ(r.ctx.LinkLevel[1], 1.0f);
                EXPECT_EQ(r.ctx.LinkStat[1], 200.0f);
            } else {
                EXPECT_LT(r.ctx.LinkLevel[1], 1.0f);
                EXPECT_LT(r.ctx.LinkStat[1], 200.0f);
            }
        }
    }
}

TEST(BootstrapTest, EmptyGroupsUnderBrayCurtisAreGivenUpAfterOneHundredRedraws) {
    BootstrapRun r({2, 2});  // every abundance 0
    r.ctx.MeasureIndex = Measure{kBrayCurtis};
    r.ctx.LinkageIndex = kUpgma;
    r.link(1, 1, 2, {1, 2}, 1.0f);  // the observed run sets two empty groups to 1
    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
    EXPECT_EQ(r.ctx.LinkStat[1], -999.0f);
    EXPECT_EQ(r.ctx.SIG[1], "N/A");
    EXPECT_EQ(r.ctx.ResampleRetries, 0);
    const std::string& shown = r.host.message_area.history;
    std::size_t exits = 0;
    for (auto at = shown.find("Resampling to avoid"); at != std::string::npos;
         at = shown.find("Resampling to avoid", at + 1))
        ++exits;
    EXPECT_EQ(exits, 100u);
    EXPECT_NE(shown.find("All abundances 0 -- \r\nno test will be performed on link:  1 \r\n"),
              std::string::npos);
    EXPECT_FALSE(r.host.opened("SIGLIST.TXT"));
    EXPECT_NE(r.report().find("N/A    N/AResampled to avoid error\r\n"), std::string::npos);
}

TEST(BootstrapTest, SingleGroupGivesOnlyTheHeadings) {
    BootstrapRun r({2});
    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
    const std::string headings =
        "Bootstrap testing results\r\nLINKAGE  MEMBERS   COUNT <= OBSERVED   P(0.05)\r\n";
    // The station list follows at once, after its two empty lines.
    EXPECT_EQ(r.report().substr(0, headings.size() + 4), headings + "\r\n\r\n");
    EXPECT_EQ(r.host.results.rows, 1);
    EXPECT_FALSE(r.host.opened("SIGLIST.TXT"));
}

TEST(BootstrapTest, UnusableSettingsAreRefusedBeforeAnyReplicate) {
    const std::tuple<std::int32_t, std::string, std::string> cases[] = {
        {0, "0.05", "The number of bootstrap samples is 0."},
        {-5, "0.05", "The number of bootstrap samples is -5."},
        {10, "five percent", "\"five percent\" is not a number"},
    };
    for (const auto& [num_boot, alpha, says] : cases) {
        BootstrapRun r({2, 2});
        r.link(1, 1, 2, {1, 2}, 1.0f);
        r.ctx.NumBoot = num_boot;
        r.ctx.settings.alpha_text = alpha;
        EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Failed);
        ASSERT_EQ(r.host.questions.size(), 1u);
        EXPECT_NE(r.host.questions[0].text.find(says), std::string::npos);
        EXPECT_EQ(r.host.message_area.history, "");  // not one replicate announced
        EXPECT_FALSE(r.host.visible(Window::Results));
    }
}

TEST(BootstrapTest, PoorFitAnsweredNoInAReplicateEndsTheTestWithoutResults) {
    // Every present species has abundance 1: totals equal species counts,
    // which the log-series cannot fit.
    BootstrapRun r({2, 2}, 4);
    r.group_values(1, {1, 1, 0, 0});
    r.group_values(2, {0, 0, 1, 1});
    r.ctx.MeasureIndex = Measure{kHeterogeneityRatio};
    r.link(1, 1, 2, {1, 2}, 1.5f);
    r.host.answer(Answer::No);
    EXPECT_EQ(test_linkages(r.ctx, r.host), Outcome::Abandoned);
    EXPECT_FALSE(r.ctx.channels.is_open(Channels::kReport));
    EXPECT_EQ(r.report().find("Bootstrap testing results"), std::string::npos);
    EXPECT_FALSE(r.host.opened("SIGLIST.TXT"));
    EXPECT_FALSE(r.host.control_visible[Control::ResultsFinish]);
    EXPECT_TRUE(r.host.visible(Window::Options));
    ASSERT_EQ(r.host.questions.size(), 2u);
    EXPECT_NE(r.host.questions[1].text.find("abandoned at linkage 1"), std::string::npos);
}

}  // namespace
}  // namespace tw::test
