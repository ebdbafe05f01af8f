// The significance rule shared by both tests' verdicts, SIG, SIGLIST.TXT and
// every output's P column.

#include <gtest/gtest.h>

#include <limits>

#include "bootstrap/significance.h"
#include "bootstrap/test_loop.h"

namespace tw {
namespace {

TEST(Significance, PAtAlphaIsSignificantAndUntestedLinkagesNeverAre) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float link_stat;
        float alpha;
        bool significant;
    };
    const Case cases[] = {
        {5, 0.05f, true},   // P = 0.05 exactly: at alpha
        {6, 0.05f, false},  // just beyond
        {0, 0.05f, true},   // no replicate reached the level
        {0, 0.0f, true},    // alpha 0 still accepts P = 0
        {kUntestableLink, 0.05f, false},
        {kNestedLink, 0.05f, false},
        {5, kNaN, false},      // an alpha that is not a number
        {kNaN, 0.05f, false},  // nor a P that is not one
    };
    for (const Case& c : cases) {
        const float p = bootstrap_p(c.link_stat, 100);
        EXPECT_EQ(is_significant(p, c.alpha), c.significant) << c.link_stat << " at " << c.alpha;
        // The test loop's verdict of a tested linkage follows the same rule.
        if (c.link_stat >= 0) {
            EXPECT_EQ(verdict(c.link_stat, 100, c.alpha), c.significant ? "S" : "NS");
        }
    }
}

}  // namespace
}  // namespace tw
