// The agglomerative engine on small hand-built matrices: which pair is
// joined, the levels the seven update rules give, the member lists, and the
// matrix left behind.

#include <gtest/gtest.h>

#include "clustering_fixture.h"

namespace tw::test {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

// d(1,2) = 1, d(1,3) = 2, d(1,4) = 10, d(2,3) = 3, d(2,4) = 11, d(3,4) = 12:
// as distances the second linkage joins the pair {1,2} with station 3, so
// the cluster sizes differ and the size-weighted rules part company.
const UpperTriangle kFour = {{1, 2, 10}, {3, 11}, {12}};

struct RuleCase {
    LinkageMethod method;
    Resemblance distance;
    Pairs pairs;
    std::vector<float> levels;  // worked out by hand from the rule's formula
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << method_report_text(c.method)
        << (c.distance == kDistance ? " on distances" : " on similarities");
}

class UpdateRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(UpdateRule, GivesTheHandWorkedLevelsOnFourObjects) {
    const RuleCase& c = GetParam();
    EngineRun e;
    e.run(kFour, c.method, c.distance);
    for (std::int32_t link = 1; link <= 3; ++link) {
        SCOPED_TRACE(link);
        EXPECT_EQ(e.pair(link), c.pairs[static_cast<std::size_t>(link - 1)]);
        EXPECT_FLOAT_EQ(e.w.JoinLevel[static_cast<std::size_t>(link)],
                        c.levels[static_cast<std::size_t>(link - 1)]);
        EXPECT_EQ(e.levels[static_cast<std::size_t>(link)],
                  e.w.JoinLevel[static_cast<std::size_t>(link)]);
    }
}

const Pairs kDistancePairs = {{1, 2}, {1, 3}, {1, 4}};
const Pairs kSimilarityPairs = {{3, 4}, {2, 3}, {1, 2}};

INSTANTIATE_TEST_SUITE_P(
    SevenMethods, UpdateRule,
    ::testing::Values(
        // Distances: d(12,3) etc. from a = d(k,1), b = d(k,2), s = 1.
        RuleCase{LinkageMethod::Single, kDistance, kDistancePairs, {1, 2, 10}},
        RuleCase{LinkageMethod::Complete, kDistance, kDistancePairs, {1, 3, 12}},
        // (10.5+12)/2
        RuleCase{LinkageMethod::WPGMA, kDistance, kDistancePairs, {1, 2.5f, 11.25f}},
        // (2+3)/2 - 1/4 = 2.25; (10.25+12)/2 - 2.25/4 = 10.5625
        RuleCase{LinkageMethod::WPGMCentroid, kDistance, kDistancePairs, {1, 2.25f, 10.5625f}},
        // (2*10.5 + 12)/3: the mean of 10, 11 and 12
        RuleCase{LinkageMethod::UPGMA, kDistance, kDistancePairs, {1, 2.5f, 11}},
        // (5 - .5)/2 = 2.25; (2*10.25 + 12 - 2*1*2.25/3)/3 = 31/3
        RuleCase{LinkageMethod::UPGMCentroid, kDistance, kDistancePairs, {1, 2.25f, 31.0f / 3}},
        // (2*2 + 2*3 - 1)/3 = 3, (2*10 + 2*11 - 1)/3 = 41/3; (3*41/3 + 2*12 - 3)/4
        RuleCase{LinkageMethod::MinimumVariance, kDistance, kDistancePairs, {1, 3, 15.5f}},
        // Similarities: the largest value joins first; single keeps the
        // larger, complete the smaller of the two.
        RuleCase{LinkageMethod::Single, kSimilarity, kSimilarityPairs, {12, 11, 10}},
        RuleCase{LinkageMethod::Complete, kSimilarity, kSimilarityPairs, {12, 3, 1}},
        // (1*1 + 2*6)/3: the mean of 1, 2 and 10
        RuleCase{LinkageMethod::UPGMA, kSimilarity, kSimilarityPairs, {12, 7, 13.0f / 3}},
        // The centroid correction is subtracted for similarities too:
        // (2+10)/2 - 3 = 3, (3+11)/2 - 3 = 4, then (1+3)/2 - 4/4 = 1.
        RuleCase{LinkageMethod::WPGMCentroid, kSimilarity, kSimilarityPairs, {12, 4, 1}}));

TEST(PairSearch, EqualValuesGoToTheFirstPairInScanOrder) {
    // (1,3), (1,4) and (2,4) tie; the smallest i, then the smallest j wins.
    for (const Resemblance kind : {kDistance, kSimilarity}) {
        const float tie = kind == kDistance ? 1.0f : 5.0f;
        const float other = kind == kDistance ? 5.0f : 1.0f;
        EngineRun e;
        e.run({{other, tie, tie}, {other, tie}, {other}}, LinkageMethod::UPGMA, kind);
        EXPECT_EQ(e.pair(1), std::make_pair(1, 3)) << kind;
    }
}

TEST(Engine, TwoObjectsMakeOneLinkageAtTheirResemblance) {
    EngineRun e;
    e.run({{7}}, LinkageMethod::MinimumVariance, kDistance);
    EXPECT_EQ(e.pair(1), std::make_pair(1, 2));
    EXPECT_EQ(e.w.JoinLevel[1], 7.0f);
    EXPECT_EQ(e.members_of(1), (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(e.w.SimMatrix(1, 2), 7.0f);
}

TEST(Engine, LeavesTheStartingValuesSquaredWhenAskedAndRecordsSquaredLevels) {
    EngineRun e;
    e.run(kFour, LinkageMethod::WPGMCentroid, kDistance, /*squared_flag=*/true);
    for (std::int32_t i = 1; i < 4; ++i) {
        for (std::int32_t j = i + 1; j <= 4; ++j) {
            const float start =
                kFour[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - i - 1)];
            EXPECT_EQ(e.w.SimMatrix(i, j), start * start) << i << "," << j;
            EXPECT_EQ(e.w.SimMatrix(j, i), start * start) << j << "," << i;
        }
    }
    EXPECT_EQ(e.w.JoinLevel[1], 1.0f);
    EXPECT_FLOAT_EQ(e.w.JoinLevel[2], (4 + 9) * 0.5f - 0.25f);
}

// The message area as each linkage's update left it.
class ShownAfterEachLinkage : public LinkageObserver {
  public:
    explicit ShownAfterEachLinkage(const ScriptedHost& host) : host_(host) {}
    void joined(const Workspace&, std::int32_t) override {}
    void updated(const Workspace&, std::int32_t) override {
        shown.push_back(host_.message_area.shown);
    }
    std::vector<std::string> shown;

  private:
    const ScriptedHost& host_;
};

TEST(Engine, ShowsADotPerUpdatedClusterClearedAtEveryThirtiethAndBeyondAHundred) {
    // Objects on a line, 1 and 2 closest: the first linkage joins them and
    // updates clusters 3..n; the second joins 3 and 4 and updates 1, 5..n.
    const auto line_of = [](int n) {
        std::vector<double> positions = {0.0, 0.5};
        for (int k = 3; k <= n; ++k) positions.push_back(k - 1.0);
        return distances_between(positions);
    };
    const struct {
        int n;
        std::string after_first;
        std::string after_second;
    } cases[] = {
        {20, std::string(18, '.'), std::string(18 + 17, '.')},  // no clearing cluster
        {35, std::string(6, '.'), std::string(6, '.')},         // cleared at 30: 30..35
        {60, std::string(1, '.'), std::string(1, '.')},         // cleared at 60 itself
        {120, std::string(1, '.'), std::string(1, '.')},        // every k above 100 clears
    };
    for (const auto& c : cases) {
        EngineRun e;
        ShownAfterEachLinkage area(e.host);
        e.run(line_of(c.n), LinkageMethod::Single, kDistance, false, &area);
        ASSERT_EQ(e.pair(1), std::make_pair(1, 2)) << c.n;
        ASSERT_EQ(e.pair(2), std::make_pair(3, 4)) << c.n;
        EXPECT_EQ(area.shown[0], c.after_first) << c.n;
        EXPECT_EQ(area.shown[1], c.after_second) << c.n;
    }
}

TEST(MemberLists, StartWithLinkIAndKeepEarlierMembersInFront) {
    // Positions chosen for single linkage to join (2,5), then (2,3), (1,2), (1,4).
    EngineRun e;
    e.run(distances_between({5, 0, 2.5, 9, 1}), LinkageMethod::Single, kDistance);
    const std::vector<std::vector<std::int32_t>> expected = {
        {2, 5}, {2, 5, 3}, {1, 2, 5, 3}, {1, 2, 5, 3, 4}};
    for (std::int32_t link = 1; link <= 4; ++link) {
        EXPECT_EQ(e.members_of(link), expected[static_cast<std::size_t>(link - 1)]);
        EXPECT_EQ(e.members_of(link).front(), e.pair(link).first);
    }
    EXPECT_EQ(e.pair(4), std::make_pair(1, 4));
}

}  // namespace
}  // namespace tw::test
