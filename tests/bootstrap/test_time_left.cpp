// The bootstrap's time left, fed with made-up times.

#include <gtest/gtest.h>

#include <cmath>

#include "bootstrap/time_left.h"
#include "bootstrap_fixture.h"

namespace tw::test {
namespace {

constexpr std::int32_t kStations = 40;
constexpr std::int32_t kReplicates = 10;

// Seconds per replicate of a linkage of `groups` groups.
double replicate_cost(double groups) {
    return 1e-5 + 1e-7 * std::pow(groups, 1.8);
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
    // Runs linkages 1..last as the test loop would, at their made-up cost.
    double run(TimeLeft& left, std::int32_t last, std::int32_t significant = 0) const {
        double now = 0;
        for (std::int32_t L = 1; L <= last; ++L) {
            left.start_link(L, now);
            const bool tested = L > 1;
            for (std::int32_t b = 1; tested && b <= kReplicates; ++b)
                left.replicate_done(now += replicate_cost(L + 1));
            left.end_link(tested, L == significant, now);
        }
        return now;
    }
};

TEST(TimeLeft, NothingTimedYetGivesNoEstimate) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates);
    left.start_link(1, 0);
    EXPECT_LT(left.seconds_left(0.5), 0);
}

TEST(TimeLeft, LaterLinkagesCostMoreAsTheyClusterMoreGroups) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates);
    const double now = chain.run(left, 20);
    double truth = 0;
    for (std::int32_t L = 21; L < kStations; ++L) truth += kReplicates * replicate_cost(L + 1);
    left.start_link(21, now);
    EXPECT_NEAR(left.seconds_left(now), truth, 0.1 * truth);
}

TEST(TimeLeft, LinkagesAboveASignificantOneAreNotCounted) {
    Chain chain;
    TimeLeft left(chain.ctx, kReplicates);
    const double now = chain.run(left, 20, 20);  // every later linkage contains linkage 20
    left.start_link(21, now);
    EXPECT_NEAR(left.seconds_left(now), 0.0, 1e-9);
}

}  // namespace
}  // namespace tw::test
