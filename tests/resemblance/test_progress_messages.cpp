// What each measure shows in the message area while it works. The observed
// run prints its headings and progress marks; a bootstrap replicate prints
// only the few lines that both modes share, so replicates stay quiet.

#include <gtest/gtest.h>

#include "resemblance_fixture.h"

namespace tw {
namespace {

using test::ResemblanceRun;
using test::Rows;

const std::string kClear = "<CLEAR>\n";

struct ProgressCase {
    std::int16_t measure;
    Rows rows;
    std::string observed;   // after the frame's own clear
    std::string replicate;  // the whole message area history
};

// Three objects make the pairs (1,2), (1,3), (2,3); five objects reach the
// pair (4,5), whose product 20 clears the area under Euclidean distance.
const ProgressCase kCases[] = {
    {1,
     {{0, 3}, {4, 0}, {0, 3}},
     "EUCLIDEAN DISTANCE\r\n" + kClear + "Distances ...\r\nEE \r\nE \r\n\r\n\r\n",
     "\r\n\r\n"},
    {1,
     {{1}, {2}, {3}, {4}, {5}},
     "EUCLIDEAN DISTANCE\r\n" + kClear + "Distances ...\r\nEEEE \r\nEEE \r\nEE \r\n" + kClear +
         " \r\n\r\n\r\n",
     "\r\n\r\n"},
    {2,
     {{1, 3}, {3, 1}, {2, 2}},
     kClear + "BRAY-CURTIS COEFFICIENT\r\nDistances ...\r\nBB B \r\n\r\n",
     ""},
    {2,
     {{1, 3}, {0, 0}, {0, 0}},
     kClear + "BRAY-CURTIS COEFFICIENT\r\nDistances ...\r\nBB \r\n"
              "All abundances 0 -- similarity set to 1\r\nB \r\n\r\n",
     "<CLEAR>\nResampling to avoid DIVIDE-BY-ZERO error\r\n"},
    {3,
     {{1, 2, 3}, {2, 4, 6}},
     kClear + "CORRELATION COEFFICIENT\r\n\r\nMEANS ...\r\n 2 C 4 C\r\n\r\n"
              "Deviations (counting...)\r\n 1 D 2 D\r\n\r\nCalculate r\r\n           jk\r\n"
              "\r\nr( 1 , 2 ): 1   \r\n\r\n",
     ""},
    {4,
     {{40, 3, 0}, {0, 12, 9}},
     "*** Heterogeneity Ratio (H/R) ***\r\n----- Calculation of HR -----\r\n",
     ""},
    {5,
     {{1, 0}, {1, 1}, {0, 1}},
     kClear + "JACCARD'S INDEX\r\nDistances ...\r\n0/1 0/1 " + kClear + "0/1 " + kClear +
         "\r\n\r\n",
     "\r\n\r\n"},
};

TEST(ProgressMessages, TheObservedRunShowsEachMeasuresHeadingAndMarks) {
    for (const ProgressCase& c : kCases) {
        ResemblanceRun r;
        r.run(c.measure, c.rows, RunMode::Observed);
        EXPECT_EQ(r.messages(), kClear + c.observed) << "measure " << c.measure;
        EXPECT_TRUE(r.host.visible(Window::Options));
    }
}

TEST(ProgressMessages, AReplicatePrintsOnlyTheLinesBothModesShare) {
    for (const ProgressCase& c : kCases) {
        ResemblanceRun r;
        r.ctx.PoorFitWarned = true;
        r.run(c.measure, c.rows, RunMode::Replicate);
        EXPECT_EQ(r.messages(), c.replicate) << "measure " << c.measure;
        EXPECT_TRUE(r.host.window_visible.empty());  // no window is shown or hidden
        EXPECT_TRUE(r.ctx.PoorFitWarned);            // only an observed run resets it
    }
}

TEST(ProgressMessages, CorrelationClearsEveryTwentiethObjectAndPair) {
    Rows rows;
    for (int j = 1; j <= 21; ++j) rows.push_back({static_cast<float>(j), 0, 1});
    ResemblanceRun r;
    r.run(3, rows);
    const std::string& m = r.messages();
    // Means: the 20th is not printed; deviations: a line holding a blank instead.
    EXPECT_NE(m.find(" 19 D" + kClear + " \r\n 21 D"), std::string::npos);
    EXPECT_EQ(m.find("r( 1 , 20 )"), std::string::npos);
    EXPECT_NE(m.find("r( 1 , 19 ):"), std::string::npos);
    EXPECT_NE(m.find("r( 1 , 21 ):"), std::string::npos);
}

TEST(ProgressMessages, YieldsOncePerSpeciesStepOfEveryPair) {
    // 4 objects, 3 species: 6 pairs of 3 steps.
    const Rows rows = {{1, 2, 3}, {3, 1, 2}, {2, 2, 5}, {9, 1, 1}};
    const struct {
        std::int16_t measure;
        long long yields;
    } cases[] = {
        {1, 18},
        {2, 18},
        {3, 12 + 12 + 18},  // means and deviations, 4 objects x 3, then the pairs
        {5, 18 + 6},        // CountMatches per species, the pair loop per pair
    };
    for (const auto& c : cases) {
        ResemblanceRun r;
        r.run(c.measure, rows, RunMode::Replicate);
        EXPECT_EQ(r.host.yields, c.yields) << "measure " << c.measure;
    }
}

}  // namespace
}  // namespace tw
