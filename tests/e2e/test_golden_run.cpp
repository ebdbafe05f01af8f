// One small run frozen byte for byte: five stations in groups of 2, 2 and 1,
// two species, every value halved on reading, Euclidean distance, UPGMA,
// 20 bootstrap samples per linkage from a fixed seed.
//
// Worked out by hand (single precision) before freezing:
//   data x 0.5, group means: S1 (0, 1), S3 (1.5, 2), S5 (.5, 0)
//   distances: d(S1,S3) = sqrt(3.25) = 1.802776, d(S1,S5) = sqrt(1.25) =
//   1.118034, d(S3,S5) = sqrt(5) = 2.236068
//   UPGMA: linkage 1 joins groups 1 and 3 at 1.118034; the merged cluster's
//   distance to group 2 is (1.802776 + 2.236068) / 2 = 2.019422, linkage 2
//   leaf order 1, 3, 2; axis from B = 1 (1.118 widened down) to T = 5 (2.019
//   widened up); scale 259 / 4 = 64.75 units per unit; leaves at x 53, 77,
//   101; y(1.118034) = 29 + 3.881966 * 64.75 = 280.357, y(2.019422) = 221.992
//   coordinate listing: leaves at (position, 1), linkage 2 starts from the
//   middle of positions 1 and 2 (1.5)
// Checked column by column against the print rules: Tab stops, 14-column
// zones, a blank before and after every number, ".5" for one half, CR LF
// line ends, one-blank lines where the report prints a blank and empty lines
// where it prints nothing.
//
// The counts of the bootstrap section (7 of 20 for linkage 1, 1 of 20 for
// linkage 2) are those the generator draws from seed 3; everything that
// follows from them was checked by hand: P = count / 20, .35 is above
// alpha (NS) and .05 equals it (S, shown "0 .05 *" in the grid), so groups 1
// and 3 form cluster A and group 2 stands alone as B. A change to the
// generator or to the order of its draws changes the counts and fails this
// test on purpose: the same seed must give the same test.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "e2e_fixture.h"

namespace tw::test {
namespace {

constexpr const char* kFiveStations =
    "\"Five stations\"\r\n"
    "5, 2\r\n"
    "\"STATION\",\"Sp1\",\"Sp2\"\r\n"
    "\"S1\" 0 1\r\n"
    "\"S2\" 0 3\r\n"
    "\"S3\" 3 4\r\n"
    "\"S4\" 3 4\r\n"
    "\"S5\" 1 0\r\n"
    "3\r\n"
    "2 2 1\r\n";

constexpr std::uint64_t kSeed = 3;

// The golden texts below are written with "\n"; every line end of the
// outputs is CR LF.
std::string with_crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

constexpr const char* kObservedReport = R"(Five stations
 
Input data file: <INPUT>
 
The data were multiplied by the constant value:  .5 
 
* * RESEMBLANCE MEASURE * *
          **************************************************
          *        1) Euclidean Dist.                      *
          **************************************************
 
**   20   bootstrap samples were used **
 
* * LINKAGE METHOD * *
          ****************************************
          *        5) UPGMA                      *
          ****************************************
 
 1    1.118034        S1        S5
 2    2.019422        S1        S3
 
List of dendrogram labels (top -> bottom = left -> right)
 
 1             1            S1
 2             3            S5
 3             2            S3
 
Cartisian coordinates for dendrogram diagram (import into spreadsheet and plot as X-Y chart)
  X             Y
 
 1             1 
 1             1.118034 
 2             1.118034 
 2             1 

 1.5           1.118034 
 1.5           2.019422 
 3             2.019422 
 3             1 

)";

constexpr const char* kResults = R"(Bootstrap testing results
LINKAGE  MEMBERS   COUNT <= OBSERVED   P(0.05)
    1      1    3             7         .35   NS 
    2      1    2             1         .05   S 


Original data matrix sample labels with assigned Cluster Identifiers (letters)
"S1"          A
"S2"          A
"S3"          B
"S4"          B
"S5"          A
)";

constexpr const char* kClusterList = R"(Five stations
******************************
*         2   CLUSTER LEVEL  *
******************************
S1 S5
S3
 
******************************
*         1   CLUSTER LEVEL  *
******************************
S1 S5 S3
 
)";

struct GoldenRun : ::testing::Test {
    GoldenRun() : s(write_input_file("five.txt", kFiveStations), kSeed) {
        s.ctx.settings.multiply = true;
        s.ctx.settings.constant_text = "0.5";
        s.ctx.settings.boot_text = "20";
    }
    std::string observed_report() const {
        std::string text = kObservedReport;
        text.replace(text.find("<INPUT>"), 7, s.ctx.settings.input_file);
        return with_crlf(text);
    }
    Session s;
};

TEST_F(GoldenRun, ObservedRunWritesTheReportClusterListAndDrawing) {
    ASSERT_EQ(s.observed(), Outcome::Completed);
    EXPECT_EQ(s.report(), observed_report());
    EXPECT_EQ(s.cluster_list(), with_crlf(kClusterList));

    // The three lines of each link, drawn from the node of LinkI's side.
    const auto& lines = s.host.canvas.lines;
    ASSERT_EQ(lines.size(), 1u + 11u + 6u);  // axis, ticks, two links
    const float expected[6][4] = {{53, 288, 53, 280.357f},      {77, 288, 77, 280.357f},
                                  {53, 280.357f, 77, 280.357f}, {65, 280.357f, 65, 221.992f},
                                  {101, 288, 101, 221.992f},    {65, 221.992f, 101, 221.992f}};
    for (int i = 0; i < 6; ++i) {
        const DrawnLine& l = lines[12 + static_cast<std::size_t>(i)];
        EXPECT_NEAR(l.x1, expected[i][0], 1e-3) << i;
        EXPECT_NEAR(l.y1, expected[i][1], 1e-3) << i;
        EXPECT_NEAR(l.x2, expected[i][2], 1e-3) << i;
        EXPECT_NEAR(l.y2, expected[i][3], 1e-3) << i;
    }
    EXPECT_TRUE(s.host.control_visible[Control::DendrogramContinue]);
}

TEST_F(GoldenRun, BootstrapTestAppendsResultsIdentifiersAndSignificanceList) {
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    EXPECT_EQ(s.report(), observed_report() + with_crlf(kResults));
    EXPECT_EQ(s.siglist(), " 1            NS\r\n 2            S\r\n");

    const RecordingGrid& grid = s.host.results;
    EXPECT_EQ(grid.rows, 3);
    const char* const cells[3][4] = {{"LINKAGE", "MEMBERS", "# < OBS.", "P(0.05)"},
                                     {"1", "1 + 3", "7", "0.350"},
                                     {"2", "1 + 2", "1", "0 .05 *"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(grid.cell(row, column), cells[row][column]) << row << "," << column;
    EXPECT_EQ(grid.colour, GridColour::TooltipText);
    EXPECT_TRUE(s.host.control_visible[Control::ResultsFinish]);

    // "Finish" adds nothing to the report; it only closes it.
    s.finish();
    EXPECT_EQ(s.report(), observed_report() + with_crlf(kResults));
}

}  // namespace
}  // namespace tw::test
