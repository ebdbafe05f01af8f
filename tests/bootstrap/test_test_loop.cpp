// The linkage loop through its replicate seam: which linkages are tested,
// how replicates are counted and drawn again.

#include <gtest/gtest.h>

#include <algorithm>

#include "bootstrap/test_loop.h"
#include "bootstrap_fixture.h"

namespace tw::test {
namespace {

// Stands in for resampling and clustering: every replicate ends at `level`,
// after `exits` resample exits per linkage (counted as the resemblance
// stage counts them).
struct FakeReplicates {
    float level = 1.0f;
    Resemblance distance_flag = Resemblance::Similarity;
    int exits = 0;
    std::vector<std::int32_t> calls;  // linkage of every attempt

    LoopResult run(BootstrapRun& r, std::int32_t num_boot) {
        prepare_link_records(r.ctx);
        const ReplicateRunner runner = [&](std::int32_t link, const SamplePool&) {
            const auto earlier = replicates_of(link);
            calls.push_back(link);
            ReplicateResult result;
            if (earlier < exits) {
                ++r.ctx.ResampleRetries;
                result.exit = RoutineExit::Resample;
                return result;
            }
            r.ctx.ResampleRetries = 0;
            result.final_level = level;
            result.distance_flag = distance_flag;
            return result;
        };
        return run_test_loop(r.ctx, r.host, TestSettings{num_boot, "0.05", 0.05f}, runner);
    }
    int replicates_of(std::int32_t link) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), link));
    }
};

TEST(TestLoop, PoolOfTwoIsNotTestedButPoolOfThreeIs) {
    BootstrapRun r({1, 1, 1});
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.link(2, 1, 3, {1, 2, 3}, 0.5f);
    FakeReplicates fake;
    fake.level = 0.2f;  // looser than every observed level: P = 1
    fake.run(r, 10);
    EXPECT_EQ(r.ctx.LinkStat[1], -999.0f);
    EXPECT_EQ(r.ctx.SIG[1], "");
    EXPECT_EQ(fake.replicates_of(1), 0);
    EXPECT_EQ(r.ctx.LinkStat[2], 10.0f);
    EXPECT_EQ(r.ctx.SIG[2], "NS");
    EXPECT_EQ(r.siglist(), " 2            NS\r\n");
}

TEST(TestLoop, LinkagesContainingASignificantOneAreNotTestedButThoseBesideItAre) {
    // ((1 2) (3 4)) 5, linkage 1 significant; in (2 (1 3)) the significant
    // linkage's representative stands second among the members.
    BootstrapRun r({2, 2, 2, 2, 2});
    r.link(1, 1, 2, {1, 2}, 0.9f);
    r.link(2, 3, 4, {3, 4}, 0.8f);
    r.link(3, 1, 3, {1, 2, 3, 4}, 0.4f);
    r.link(4, 1, 5, {1, 2, 3, 4, 5}, 0.2f);
    BootstrapRun late({2, 2, 2});
    late.link(1, 2, 3, {2, 3}, 0.9f);
    late.link(2, 1, 2, {1, 2, 3}, 0.4f);
    for (BootstrapRun* run : {&r, &late}) {
        FakeReplicates fake;
        fake.level = 0.95f;  // never counted: P = 0
        fake.run(*run, 20);
        EXPECT_EQ(run->ctx.SIG[1], "S");
        for (std::int32_t link = 2; link < run->ctx.NumGroups; ++link) {
            const bool nested = !(run == &r && link == 2);
            const auto l = static_cast<std::size_t>(link);
            EXPECT_EQ(run->ctx.LinkStat[l] == -100.0f, nested) << link;
            EXPECT_EQ(fake.replicates_of(link), nested ? 0 : 20) << link;
            EXPECT_EQ(run->ctx.SIG[l], nested ? "" : "S") << link;
        }
    }
}

TEST(TestLoop, ReplicatesAtOrBeyondTheObservedLevelCount) {
    struct Case {
        Resemblance distance_flag;
        float replicate, observed;
        std::int32_t num_boot;
        float count;
        std::string sig;
    };
    const Case cases[] = {
        {kSimilarity, 0.5f, 0.5f, 20, 20, "NS"}, {kSimilarity, 0.4f, 0.5f, 20, 20, "NS"},
        {kSimilarity, 0.6f, 0.5f, 20, 0, "S"},   {kDistance, 2.0f, 2.0f, 20, 20, "NS"},
        {kDistance, 2.5f, 2.0f, 20, 20, "NS"},   {kDistance, 1.5f, 2.0f, 20, 0, "S"},
        {kSimilarity, 0.5f, 0.5f, 1, 1, "NS"},
    };
    for (const Case& c : cases) {
        BootstrapRun r({2, 2});
        r.link(1, 1, 2, {1, 2}, c.observed);
        FakeReplicates fake;
        fake.level = c.replicate;
        fake.distance_flag = c.distance_flag;
        fake.run(r, c.num_boot);
        EXPECT_EQ(r.ctx.LinkStat[1], c.count) << c.distance_flag << " " << c.replicate;
        EXPECT_EQ(r.ctx.SIG[1], c.sig) << c.distance_flag << " " << c.replicate;
    }
    EXPECT_EQ(verdict(5.0f, 100, 0.05f), "S");  // P equal to alpha
    EXPECT_EQ(verdict(6.0f, 100, 0.05f), "NS");
}

TEST(TestLoop, ResampleExitDrawsTheSameReplicateAgain) {
    BootstrapRun r({2, 2});
    r.link(1, 1, 2, {1, 2}, 0.5f);
    FakeReplicates fake;
    fake.exits = 3;
    fake.run(r, 4);
    EXPECT_EQ(fake.replicates_of(1), 7);
    EXPECT_EQ(r.ctx.LinkRedrawn[1], Redrawn::Yes);
    EXPECT_EQ(r.ctx.LinkStat[1], 0.0f);  // the exits are not counted
    EXPECT_EQ(r.host.message_area.history,
              "<CLEAR>\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 2 \r\n 3 \r\n 4 \r\n");
}

}  // namespace
}  // namespace tw::test
