// The progress the test reports and a test the user stops part-way: what
// stays decided, what is marked as not tested, and what the files say.

#include <gtest/gtest.h>

#include "bootstrap/cluster_identifiers.h"
#include "bootstrap/stopped_test.h"
#include "bootstrap/test_linkages.h"
#include "bootstrap/test_loop.h"
#include "bootstrap_fixture.h"

namespace tw::test {
namespace {

// Every replicate ends at `level`; the linkage of every attempt is noted.
LoopResult run_fake(BootstrapRun& r, std::int32_t num_boot, float level,
                    std::vector<std::int32_t>& calls) {
    prepare_link_records(r.ctx);
    const ReplicateRunner runner = [&](std::int32_t link, const SamplePool&) {
        calls.push_back(link);
        ReplicateResult result;
        result.final_level = level;
        return result;
    };
    return run_test_loop(r.ctx, r.host, TestSettings{num_boot, "0.05", 0.05f}, runner);
}

// ((1 2) (3 4)): the first linkage has a pool of two and is not tested.
void untestable_then_two(BootstrapRun& r) {
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.link(2, 3, 4, {3, 4}, 0.8f);
    r.link(3, 1, 3, {1, 2, 3, 4}, 0.4f);
}

TEST(TestProgress, CountsEveryLinkageShareAndEndsAtTheTotal) {
    BootstrapRun r({1, 1, 2, 2});
    untestable_then_two(r);
    std::vector<std::int32_t> calls;
    run_fake(r, 10, 0.2f, calls);

    const auto& p = r.host.progress;
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.front().linkage, 1);
    EXPECT_EQ(p.front().replicates_done, 0);
    for (const TestProgress& each : p) {
        EXPECT_EQ(each.linkages, 3);
        EXPECT_EQ(each.replicates_total, 30);
    }
    // Linkage 1 draws nothing, yet linkage 2 starts a full share further on.
    EXPECT_EQ(p[1].linkage, 2);
    EXPECT_EQ(p[1].replicates_done, 10);
    EXPECT_EQ(p.back().linkage, 3);
    EXPECT_EQ(p.back().replicates_done, 30);
    for (std::size_t i = 1; i < p.size(); ++i)
        EXPECT_GE(p[i].replicates_done, p[i - 1].replicates_done) << "report " << i;
    // Three linkage starts, one report per replicate, and the end.
    EXPECT_EQ(p.size(), 3u + calls.size() + 1u);
}

TEST(TestProgress, NothingToTestReportsNothing) {
    BootstrapRun r({3});
    std::vector<std::int32_t> calls;
    run_fake(r, 10, 0.2f, calls);
    EXPECT_TRUE(r.host.progress.empty());
}

TEST(StoppedTest, StopEndsTheTestAtTheNextReplicateAndKeepsEarlierVerdicts) {
    BootstrapRun r({2, 2, 2});
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.link(2, 1, 3, {1, 2, 3}, 0.4f);
    r.host.stop_after = 15;  // five replicates into linkage 2
    std::vector<std::int32_t> calls;
    const LoopResult result = run_fake(r, 10, 0.2f, calls);

    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.abandoned);
    EXPECT_EQ(result.stopped_link, 2);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 2), 5);
    EXPECT_EQ(r.ctx.SIG[1], "NS");
    EXPECT_EQ(r.ctx.SIG[2], "");
    EXPECT_EQ(r.siglist(), " 1            NS\r\n");
}

TEST(StoppedTest, StopBeforeTheFirstReplicateTestsNothing) {
    BootstrapRun r({2, 2});
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.host.stop_after = 0;
    std::vector<std::int32_t> calls;
    const LoopResult result = run_fake(r, 10, 0.2f, calls);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.stopped_link, 1);
    EXPECT_TRUE(calls.empty());
}

TEST(StoppedTest, ResultsAndFilesSayWhichLinkagesWereNotTested) {
    // Two alike groups and one apart: linkage 1 is decided (not
    // significant), the stop falls in linkage 2.
    BootstrapRun r({3, 3, 3});
    r.group_values(1, {5, 5});
    r.group_values(2, {5, 5});
    r.group_values(3, {10, 0});
    r.ctx.NumBoot = 40;
    observe(r, kEuclidean);
    r.host.stop_after = 50;
    ASSERT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);

    const std::string sig1 = r.ctx.SIG[1];
    EXPECT_EQ(sig1, "NS");
    EXPECT_EQ(r.ctx.LinkStat[2], kStoppedLink);
    EXPECT_EQ(r.ctx.SIG[2], "STOPPED");
    EXPECT_EQ(r.siglist(), " 1            " + sig1 + "\r\n 2            STOPPED\r\n");

    const std::string report = r.report();
    const std::string row2 = "    2      " + std::to_string(r.ctx.LinkPair(2, 1)) + "    " +
                             std::to_string(r.ctx.LinkPair(2, 2)) +
                             "            -         -      STOPPED \r\n";
    EXPECT_NE(report.find(row2), std::string::npos) << report;
    EXPECT_NE(report.find("The test was stopped at linkage 2 of 2: linkage 2 was not tested.\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("only the linkages tested before the stop separate the clusters"),
              std::string::npos);
    EXPECT_EQ(r.host.results.cell(2, 2), " ");
    EXPECT_EQ(r.host.results.cell(2, 3), "Stopped");
    EXPECT_TRUE(r.host.control_visible[Control::ResultsFinish]);
}

TEST(StoppedTest, NoteNamesTheRangeLeftUntested) {
    EXPECT_EQ(stopped_test_note(3, 7),
              "The test was stopped at linkage 3 of 7: linkages 3 to 7 were not tested.");
    EXPECT_EQ(stopped_test_note(1, 1),
              "The test was stopped at linkage 1 of 1: linkage 1 was not tested.");
}

TEST(StoppedTest, UntestedLinkagesJoinUnlessTheyHoldASignificantOne) {
    for (const bool first_significant : {true, false}) {
        BootstrapRun r({1, 1, 1, 1});
        untestable_then_two(r);
        prepare_link_records(r.ctx);
        r.ctx.SIG = {"", first_significant ? "S" : "NS", kStoppedSymbol, kStoppedSymbol};
        assign_cluster_identifiers(r.ctx, r.host);
        EXPECT_EQ(r.ids(), first_significant ? "A B C C " : "A A A A ");
    }
}

}  // namespace
}  // namespace tw::test
