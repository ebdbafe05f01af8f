// The bootstrap's time left, fed with made-up times and probes.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "bootstrap/link_probes.h"
#include "bootstrap/time_left.h"
#include "bootstrap_fixture.h"

namespace tw::test {
namespace {

constexpr std::int32_t kStations = 40;
constexpr std::int32_t kReplicates = 10;
constexpr float kAlpha = 0.05f;

// Seconds per replicate of linkage L: in proportion to the stations it
// draws and its groups' pairs, as the estimate without probes takes it.
double replicate_cost(std::int32_t L) {
    const double groups = L + 1;
    return 1e-6 * (groups + groups * groups);
}

// A chain of single stations: linkage L joins the first L stations' cluster
// with station L + 1, so it clusters L + 1 groups; linkage 1 has a pool of
// two stations and is not tested.
struct Chain : BootstrapRun {
    Chain() : BootstrapRun(std::vector<std::int32_t>(kStations, 1)) {
        for (std::int32_t L = 1; L < kStations; ++L)
            linkages.record(LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, L, 1, L + 1,
                            0);
    }
    // Probes that foresee every linkage's cost, `scale` times its test's,
    // and a chance of being found significant.
    static std::vector<LinkProbe> probes(double scale, double chance = 0.0) {
        std::vector<LinkProbe> p(kStations);
        for (std::int32_t L = 2; L < kStations; ++L)
            p[static_cast<std::size_t>(L)] = LinkProbe{scale * replicate_cost(L), chance};
        return p;
    }
    // Runs linkages 1..last as the test loop would, at their made-up cost.
    double run(TimeLeft& left, std::int32_t last, std::int32_t significant = 0) const {
        double now = 0;
        for (std::int32_t L = 1; L <= last; ++L) {
            left.start_link(L, now);
            const bool tested = L > 1;
            for (std::int32_t b = 1; tested && b <= kReplicates; ++b)
                left.replicate_done(false, now += replicate_cost(L));
            left.end_link(tested, L == significant, now);
        }
        return now;
    }
    // The estimate as linkage 21 starts, after linkages 1..20 ran (the one
    // numbered `significant` found so).
    double estimate_after_twenty(std::vector<LinkProbe> probes, std::int32_t significant = 0) {
        TimeLeft left(ctx, kReplicates, kAlpha, std::move(probes));
        const double now = run(left, 20, significant);
        left.start_link(21, now);
        return left.seconds_left(now);
    }
    static double truth_after(std::int32_t last) {
        double truth = 0;
        for (std::int32_t L = last + 1; L < kStations; ++L)
            truth += kReplicates * replicate_cost(L);
        return truth;
    }
};

TEST(TimeLeft, WithoutProbesNothingTimedGivesNoEstimate) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates, kAlpha);
    left.start_link(1, 0);
    EXPECT_LT(left.seconds_left(0.5), 0);
}

TEST(TimeLeft, WithoutProbesLaterLinkagesCostMoreAsTheyClusterMoreGroups) {
    EXPECT_NEAR(Chain().estimate_after_twenty({}), Chain::truth_after(20), 1e-9);
}

TEST(TimeLeft, ProbesGiveTheWholeTestBeforeTheFirstReplicate) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates, kAlpha, Chain::probes(1.0));
    left.start_link(1, 0);
    EXPECT_NEAR(left.seconds_left(0), Chain::truth_after(1), 1e-9);  // linkage 1 is never tested
}

TEST(TimeLeft, ReplicatesSlowerThanTheirProbesSlowTheRestAlike) {
    EXPECT_NEAR(Chain().estimate_after_twenty(Chain::probes(0.5)), Chain::truth_after(20), 1e-9);
}

TEST(TimeLeft, LinkagesAboveASignificantOneAreNotCounted) {
    // Every later linkage contains linkage 20.
    EXPECT_NEAR(Chain().estimate_after_twenty(Chain::probes(1.0), 20), 0.0, 1e-9);
}

TEST(TimeLeft, ALinkageLikelySignificantTakesTheLinkagesAboveItMostlyOut) {
    std::vector<LinkProbe> probes = Chain::probes(1.0);
    probes[30].significant = 0.9;
    const double up_to_30 = Chain::truth_after(20) - Chain::truth_after(30);
    EXPECT_NEAR(Chain().estimate_after_twenty(probes), up_to_30 + 0.1 * Chain::truth_after(30),
                1e-9);
}

TEST(TimeLeft, TheLinkageUnderTestGoesAtItsOwnPace) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates, kAlpha, Chain::probes(1.0));
    double now = chain.run(left, 38);
    left.start_link(39, now);
    for (std::int32_t b = 1; b <= kReplicates / 2; ++b)
        left.replicate_done(false, now += 3 * replicate_cost(39));
    EXPECT_NEAR(left.seconds_left(now), kReplicates / 2 * 3 * replicate_cost(39), 1e-9);
}

TEST(SignificanceChance, FollowsHowFarTheObservedLevelStandsBeyondTheReplicates) {
    const std::vector<float> levels{0.40f, 0.42f, 0.44f, 0.46f, 0.48f,
                                    0.50f, 0.52f, 0.54f, 0.56f, 0.58f};
    // Distances: the observed level beyond the replicates is larger.
    EXPECT_GT(significance_chance(levels, 1.0f, true, kAlpha), 0.95);
    EXPECT_LT(significance_chance(levels, 0.5f, true, kAlpha), 0.01);
    const double near = significance_chance(levels, 0.62f, true, kAlpha);
    EXPECT_GT(near, 0.05);
    EXPECT_LT(near, 0.95);
    // Similarities point the other way.
    EXPECT_GT(significance_chance(levels, 0.0f, false, kAlpha), 0.95);
    EXPECT_LT(significance_chance(levels, 1.0f, false, kAlpha), 0.01);
    // Replicates all alike: beyond them or not.
    const std::vector<float> alike(10, 0.5f);
    EXPECT_EQ(significance_chance(alike, 0.6f, true, kAlpha), 1.0);
    EXPECT_EQ(significance_chance(alike, 0.5f, true, kAlpha), 0.0);
    // A pool of three stations deals the observed groups out again at
    // exactly their level now and then, however far the other draws are.
    std::vector<float> dealt_again(9, 0.1f);
    dealt_again.push_back(0.9f);
    EXPECT_LT(significance_chance(dealt_again, 0.9f, true, kAlpha), 0.15);
    EXPECT_EQ(significance_chance({}, 0.6f, true, kAlpha), 0.0);
}

}  // namespace
}  // namespace tw::test
