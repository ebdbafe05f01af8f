// What the results window tells a reader beside the verdict symbols.

#include <gtest/gtest.h>

#include "bootstrap/bootstrap_results.h"
#include "bootstrap/linkage_details.h"
#include "bootstrap_fixture.h"
#include "figure/figure_source.h"

namespace tw::test {
namespace {

// Groups of 1, 1, 2 and 1 stations: (1,2) a pool of two, (3,4) tested,
// (1,3) holding a significant one.
BootstrapRun four_groups() {
    BootstrapRun r({1, 1, 2, 1});
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.link(2, 3, 4, {3, 4}, 0.8f);
    r.link(3, 1, 3, {1, 2, 3, 4}, 0.2f);
    return r;
}

// The test's result as the end of the test loop records it.
void record(RunContext& ctx) {
    start_bootstrap_results(ctx, read_test_settings(ctx));
    record_bootstrap_results(ctx, read_test_settings(ctx));
}

TEST(LinkageDetails, UntestedLinkagesSayWhy) {
    BootstrapRun r = four_groups();
    RunContext& ctx = r.ctx;
    ctx.LinkStat[1] = -999;
    ctx.SIG[2] = "S";
    ctx.LinkStat[2] = 0;
    ctx.LinkStat[3] = -100;
    record(ctx);
    EXPECT_EQ(linkage_verdict(ctx, 1), LinkageVerdict::TooFewObjects);
    EXPECT_EQ(linkage_verdict(ctx, 2), LinkageVerdict::Significant);
    EXPECT_EQ(linkage_verdict(ctx, 3), LinkageVerdict::ContainsSignificant);
    constexpr SignificanceTest kBoot = SignificanceTest::Bootstrap;
    EXPECT_NE(untested_reason(Verdict::TooFewObjects, kBoot).find("two stations"),
              std::string::npos);
    EXPECT_NE(untested_reason(Verdict::TooFewObjects, SignificanceTest::SimilarityProfile)
                  .find("two objects"),
              std::string::npos);
    EXPECT_NE(untested_reason(Verdict::ContainsSignificant, kBoot).find("significant"),
              std::string::npos);
    EXPECT_EQ(untested_reason(Verdict::Significant, kBoot), "");

    // The same -999 on a pool of three stations means the replicates were given up.
    ctx.LinkStat[2] = -999;
    ctx.SIG[2] = "";
    record(ctx);
    EXPECT_EQ(linkage_verdict(ctx, 2), LinkageVerdict::GivenUp);
    EXPECT_NE(untested_reason(Verdict::GivenUp, kBoot).find("given up"), std::string::npos);
    EXPECT_FALSE(linkage_p(ctx, 2).has_value());
}

TEST(LinkageDetails, MembersAreNamedAndPIsTheVerdictsOwn) {
    BootstrapRun r = four_groups();
    RunContext& ctx = r.ctx;
    EXPECT_EQ(joined(member_labels(ctx, 3)), "ST1, ST2, ST3, ST5");
    ctx.SIG[2] = "NS";
    ctx.LinkStat[2] = 3;
    record(ctx);
    ASSERT_TRUE(linkage_p(ctx, 2).has_value());
    EXPECT_FLOAT_EQ(*linkage_p(ctx, 2), 0.3f);
    EXPECT_NEAR(ctx.Results.at(2).standard_error, 0.1449, 1e-4);
}

TEST(LinkageDetails, ClustersAreListedInIdentifierOrderWithEveryMember) {
    BootstrapRun r = four_groups();
    const char* ids[] = {"", "B", "AA", "B", "A"};
    for (std::int32_t p = 1; p <= 4; ++p) r.ctx.Label(p, 2) = ids[p];
    const std::vector<ClusterMembers> clusters = cluster_members(r.ctx);
    ASSERT_EQ(clusters.size(), 3u);
    EXPECT_EQ(clusters[0].identifier, "A");
    EXPECT_EQ(clusters[1].identifier, "B");
    EXPECT_EQ(clusters[1].labels, (std::vector<std::string>{"ST1", "ST3"}));
    EXPECT_EQ(clusters[2].identifier, "AA") << "AA follows Z, not A";
}

TEST(LinkageDetails, TheFigureSourceCarriesNamesVerdictsAndClusters) {
    BootstrapRun r = four_groups();
    RunContext& ctx = r.ctx;
    ctx.SIG[2] = "S";
    ctx.LinkStat[1] = -999;
    ctx.LinkStat[3] = -100;
    for (std::int32_t p = 1; p <= 4; ++p) ctx.Label(p, 2) = p <= 2 ? "A" : (p == 3 ? "B" : "C");
    ctx.work.JoinLevel = {0, 0.9f, 0.8f, 0.2f};
    ctx.settings.savelinks_text = "2";
    record(ctx);

    const FigureSource before = figure_source(ctx, false);
    EXPECT_FALSE(before.tested);
    EXPECT_EQ(before.leaf_labels, (std::vector<std::string>{"ST1", "ST2", "ST3", "ST5"}));
    ASSERT_EQ(before.linkages.size(), 3u);
    EXPECT_EQ(before.linkages[2].left, 1);
    EXPECT_EQ(before.linkages[2].right, 3);
    EXPECT_DOUBLE_EQ(before.savelinks, 2);

    const FigureSource after = figure_source(ctx, true);
    EXPECT_TRUE(after.tested);
    EXPECT_EQ(after.verdicts[0], LinkageVerdict::TooFewObjects);
    EXPECT_EQ(after.verdicts[2], LinkageVerdict::ContainsSignificant);
    EXPECT_EQ(after.leaf_clusters, (std::vector<std::string>{"A", "A", "B", "C"}));
    EXPECT_EQ(after.trials, 10);
}

}  // namespace
}  // namespace tw::test
