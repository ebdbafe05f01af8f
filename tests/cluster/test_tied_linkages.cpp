// Data full of ties: every pair that may join first is tied with others, and
// the merged resemblances tie again after rounding to single precision. The
// pairs chosen and the levels, bit for bit, must not depend on the processor
// or compiler: these are the linkages the program has always given.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "clustering_fixture.h"

namespace tw::test {
namespace {

// Points on a line with equal gaps, and the same gaps again further on.
const std::vector<double> kPositions = {0, 1, 2, 3, 4, 6, 8, 10, 12, 13};

UpperTriangle similarities_from(const UpperTriangle& distances) {
    UpperTriangle s = distances;
    for (auto& row : s)
        for (float& v : row) v = 1.0f / (1.0f + v);
    return s;
}

// "I-J@level" per linkage, the level as a hexadecimal float.
std::string linkages(const EngineRun& r) {
    std::string text;
    for (std::int32_t l = 1; l < r.n; ++l) {
        const auto [i, j] = r.pair(l);
        char level[32];
        std::snprintf(level, sizeof level, "%a",
                      static_cast<double>(r.levels[static_cast<std::size_t>(l)]));
        text += std::to_string(i) + "-" + std::to_string(j) + "@" + level + " ";
    }
    return text;
}

struct TiedCase {
    LinkageMethod method;
    Resemblance distance_flag;
    const char* expected;
};

const TiedCase kTiedCases[] = {
    {LinkageMethod::Single, kDistance,
     "1-2@0x1p+0 1-3@0x1p+0 1-4@0x1p+0 1-5@0x1p+0 9-10@0x1p+0 1-6@0x1p+1 1-7@0x1p+1 1-8@0x1p+1 "
     "1-9@0x1p+1 "},
    {LinkageMethod::Complete, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1p+1 6-7@0x1p+1 8-9@0x1.8p+1 1-3@0x1p+2 6-8@0x1.cp+2 "
     "1-6@0x1.ap+3 "},
    {LinkageMethod::WPGMA, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1.8p+0 6-7@0x1p+1 8-9@0x1.4p+1 1-3@0x1.6p+1 "
     "6-8@0x1.1p+2 1-6@0x1.dp+2 "},
    {LinkageMethod::WPGMCentroid, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1.4p+0 6-7@0x1p+1 1-3@0x1.08p+1 8-9@0x1.2p+1 "
     "6-8@0x1.88p+1 1-6@0x1.42p+2 "},
    {LinkageMethod::UPGMA, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1.8p+0 6-7@0x1p+1 1-3@0x1.4p+1 8-9@0x1.4p+1 "
     "6-8@0x1.2aaaacp+2 1-6@0x1.f33334p+2 "},
    {LinkageMethod::UPGMCentroid, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1.4p+0 1-3@0x1.ce38e4p+0 6-7@0x1p+1 8-9@0x1.2p+1 "
     "6-8@0x1.cp+1 1-6@0x1.63d70ap+2 "},
    {LinkageMethod::MinimumVariance, kDistance,
     "1-2@0x1p+0 3-4@0x1p+0 9-10@0x1p+0 3-5@0x1.aaaaacp+0 6-7@0x1p+1 8-9@0x1.8p+1 "
     "1-3@0x1.155556p+2 6-8@0x1.0ccccep+3 1-6@0x1.bcccdp+4 "},
    {LinkageMethod::Single, kSimilarity,
     "1-2@0x1p-1 1-3@0x1p-1 1-4@0x1p-1 1-5@0x1p-1 9-10@0x1p-1 1-6@0x1.555556p-2 1-7@0x1.555556p-2 "
     "1-8@0x1.555556p-2 1-9@0x1.555556p-2 "},
    {LinkageMethod::Complete, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 3-5@0x1.555556p-2 6-7@0x1.555556p-2 8-9@0x1p-2 "
     "1-3@0x1.99999ap-3 6-8@0x1p-3 1-6@0x1.24924ap-4 "},
    {LinkageMethod::WPGMA, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 3-5@0x1.aaaaacp-2 6-7@0x1.555556p-2 8-9@0x1.2aaaacp-2 "
     "1-3@0x1.288888p-2 6-8@0x1.b38138p-3 1-6@0x1.217f5ep-3 "},
    {LinkageMethod::WPGMCentroid, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 5-6@0x1.555556p-2 7-8@0x1.555556p-2 3-5@0x1.ccccdp-4 "
     "7-9@0x1.ddddep-6 1-3@0x1.e2be34p-7 1-7@-0x1.041864p-3 "},
    {LinkageMethod::UPGMA, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 3-5@0x1.aaaaacp-2 6-7@0x1.555556p-2 1-3@0x1.3e93eap-2 "
     "8-9@0x1.2aaaacp-2 6-8@0x1.8ea0ecp-3 1-6@0x1.0dc84p-3 "},
    {LinkageMethod::UPGMCentroid, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 5-6@0x1.555556p-2 7-8@0x1.555556p-2 3-5@0x1.ccccdp-4 "
     "7-9@0x1.ddddep-6 1-3@0x1.e2be34p-7 1-7@-0x1.e995e2p-4 "},
    {LinkageMethod::MinimumVariance, kSimilarity,
     "1-2@0x1p-1 3-4@0x1p-1 9-10@0x1p-1 3-5@0x1.8e38e4p-2 6-7@0x1.555556p-2 6-8@0x1.f49f4cp-3 "
     "1-3@0x1.7530fp-4 6-9@-0x1.683016p-5 1-6@-0x1.324eb6p-1 "},
};

TEST(TiedLinkages, EveryMethodGivesTheSamePairsAndLevelsBitForBit) {
    const UpperTriangle distances = distances_between(kPositions);
    for (const TiedCase& c : kTiedCases) {
        EngineRun r;
        r.run(c.distance_flag == kDistance ? distances : similarities_from(distances), c.method,
              c.distance_flag);
        EXPECT_EQ(linkages(r), c.expected)
            << "method " << static_cast<int>(c.method) << ", " << c.distance_flag;
    }
}

}  // namespace
}  // namespace tw::test
