#include <gtest/gtest.h>

#include <cmath>

#include "resemblance/count_matches.h"
#include "resemblance/measure.h"
#include "resemblance/presence_absence.h"
#include "resemblance_fixture.h"

namespace tw {
namespace {

using test::ResemblanceRun;
using test::Rows;

constexpr std::int16_t kJaccard = 5, kMatching = 6, kDice = 7, kFager = 8;

TEST(CountMatches, SortsEverySpeciesIntoOneCellWithTheFirstObjectAsRows) {
    // Negative values count as absent, exactly like zeros.
    const Matrix<float> x = test::objects({{5, 0, 2, 0, -1, 3}, {1, 3, 0, 0, 4, -2}});
    test::ScriptedHost host;
    const MatchTable t = CountMatches(x, 1, 2, 6, host);
    EXPECT_EQ(t.a, 1.0f);  // species 1
    EXPECT_EQ(t.b, 2.0f);  // species 2 and 5: only at the second object
    EXPECT_EQ(t.c, 2.0f);  // species 3 and 6: only at the first
    EXPECT_EQ(t.d, 1.0f);  // species 4
    EXPECT_EQ(host.yields, 6);

    const MatchTable swapped = CountMatches(x, 2, 1, 6, host);
    EXPECT_EQ(swapped.a, 1.0f);
    EXPECT_EQ(swapped.b, 2.0f);
    EXPECT_EQ(swapped.c, 2.0f);

    const MatchTable none = CountMatches(x, 1, 2, 0, host);
    EXPECT_EQ(none.a + none.b + none.c + none.d, 0.0f);
}

struct IndexCase {
    const char* what;
    Rows rows;
    float jaccard, matching, dice, fager;
};

// Fager with every species present at the second object: c + d = 0.
const IndexCase kIndexCases[] = {
    {"worked table a=b=c=d=1",
     {{5, 0, 2, 0}, {1, 3, 0, 0}},
     1.0f / 3.0f,
     0.5f,
     0.5f,
     static_cast<float>(0.5 - 1.0 / (2.0 * std::sqrt(2.0)))},
    {"nothing present at either", {{0, 0, 0}, {0, -2, 0}}, 1.0f, 1.0f, 1.0f, 1.0f},
    {"everything present at the second",
     {{0, 1, 0}, {2, 2, 2}},
     1.0f / 3.0f,
     1.0f / 3.0f,
     0.5f,
     1.0f},
    {"identical with some absent (a=2, d=2)",
     {{1, 1, 0, 0}, {3, 3, 0, 0}},
     1.0f,
     1.0f,
     1.0f,
     static_cast<float>(2.0 / 2.0 - 1.0 / (2.0 * std::sqrt(2.0)))},
    {"nothing shared",
     {{1, 0, 0}, {0, 1, 0}},
     0.0f,
     1.0f / 3.0f,
     0.0f,
     static_cast<float>(-1.0 / 2.0)},
};

TEST(PresenceAbsence, WorkedTablesAndGuardsGiveTheExpectedIndices) {
    for (const IndexCase& c : kIndexCases) {
        const float expected[] = {c.jaccard, c.matching, c.dice, c.fager};
        for (std::int16_t m = kJaccard; m <= kFager; ++m) {
            ResemblanceRun r;
            EXPECT_EQ(r.run(m, c.rows), RoutineExit::Normal);
            EXPECT_NEAR(r.at(1, 2), expected[m - kJaccard], 1e-6) << c.what << ", measure " << m;
            EXPECT_EQ(r.w.DistanceFlag, Resemblance::Similarity) << m;
        }
    }
}

TEST(PresenceAbsence, EveryGuardStoresAPerfectMatchInsteadOfDividingByZero) {
    // Tables no pair of real objects gives (no species at all) still hit each guard.
    const MatchTable empty{};
    for (std::int16_t m = kJaccard; m <= kFager; ++m)
        EXPECT_EQ(presence_absence_index(Measure{m}, empty), 1.0f) << m;
    EXPECT_EQ(presence_absence_index(Measure::Fager, MatchTable{0, 0, 3, 1}), 1.0f);  // a + b = 0
    EXPECT_EQ(presence_absence_index(Measure::Fager, MatchTable{2, 1, 0, 0}), 1.0f);  // c + d = 0
    EXPECT_EQ(presence_absence_index(Measure::Dice, MatchTable{0, 0, 0, 4}), 1.0f);
    EXPECT_EQ(presence_absence_index(Measure::SimpleMatching, MatchTable{0, 0, 0, 4}), 1.0f);
}

TEST(PresenceAbsence, NamesTheMeasureAndPrintsItsOwnHeading) {
    const struct {
        std::int16_t measure;
        const char* name;
        const char* heading;
    } cases[] = {{kJaccard, "JACCARD'S INDEX", "JACCARD'S INDEX\r\n"},
                 {kMatching, "SIMPLE MATCHING COEFFICIENT", "Simple Matching Coefficient\r\n"},
                 {kDice, "DICE INDEX", "Dice INDEX\r\n"},
                 {kFager, "FAGER COEFFICIENT", "Fager INDEX\r\n"}};
    for (const auto& c : cases) {
        ResemblanceRun r;
        r.run(c.measure, {{1, 0}, {1, 1}});
        EXPECT_EQ(r.w.MeasureName, c.name);
        EXPECT_NE(r.messages().find(c.heading), std::string::npos) << r.messages();
    }
}

}  // namespace
}  // namespace tw
