// What a clustering writes: the report's method box and linkage table, the
// message area, CLUSTER.LST, the matrix listings, and nothing at all in a
// bootstrap replicate.

#include <gtest/gtest.h>

#include "cluster/matrix_listing.h"
#include "clustering_fixture.h"
#include "run/outcome.h"

namespace tw::test {
namespace {

// Single linkage joins (2,3) at 1, (1,4) at 1.5, (1,2) at 8.5 and (1,5) at
// 19. Station 2 is labelled "10": its cluster's text "10 3" exists when
// station "1" is first joined, and must not be taken for station 1's.
const std::vector<float> kValues = {0, 10, 11, 1.5f, 30};
const std::vector<std::string> kLabels = {"1", "10", "3", "4", "5"};

const std::vector<std::string> kMethodBoxAndTable = {
    "* * LINKAGE METHOD * *",
    "          ****************************************",
    "          *        1) Single Linkage             *",
    "          ****************************************",
    " ",
    " 1    1               10        3",
    " 2    1.5             1         4",
    " 3    8.5             1         10",
    " 4    19              1         5",
};

std::vector<std::string> level_block(const std::string& box,
                                     const std::vector<std::string>& members) {
    std::vector<std::string> lines = {std::string(30, '*'), box, std::string(30, '*')};
    lines.insert(lines.end(), members.begin(), members.end());
    lines.push_back(" ");
    return lines;
}

std::vector<std::string> cluster_list(std::int32_t first_link) {
    const std::vector<std::vector<std::string>> blocks = {
        level_block("*         4   CLUSTER LEVEL  *", {"10 3", "1", "4", "5"}),
        level_block("*         3   CLUSTER LEVEL  *", {"10 3", "1 4", "5"}),
        level_block("*         2   CLUSTER LEVEL  *", {"1 4 10 3", "5"}),
        level_block("*         1   CLUSTER LEVEL  *", {"1 4 10 3 5"}),
    };
    std::vector<std::string> lines = {"Test data"};
    for (auto b = blocks.begin() + first_link - 1; b != blocks.end(); ++b)
        lines.insert(lines.end(), b->begin(), b->end());
    return lines;
}

TEST(LinkageReport, WritesTheMethodBoxAndTheLinkageTableToReportAndMessageArea) {
    RoutineRun r;
    ASSERT_EQ(r.run(kValues, kLabels), RoutineExit::Normal);
    const std::string expected = crlf(kMethodBoxAndTable);
    EXPECT_EQ(r.report().substr(0, expected.size()), expected);
    EXPECT_NE(r.host.message_area.history.find(
                  crlf({kMethodBoxAndTable.begin() + 5, kMethodBoxAndTable.end()})),
              std::string::npos)
        << r.host.message_area.history;
}

struct ListCase {
    std::string savelinks;
    std::int32_t first_link;  // the first linkage that gets a level block
};

class ClusterList : public ::testing::TestWithParam<ListCase> {};

TEST_P(ClusterList, HoldsTheTitleAndABlockPerLevelFromTheThresholdOn) {
    RoutineRun r;
    r.ctx.settings.savelinks_text = GetParam().savelinks;
    r.run(kValues, kLabels);
    EXPECT_EQ(r.cluster_list(), crlf(cluster_list(GetParam().first_link)));
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ClusterList,
                         ::testing::Values(ListCase{"100", 1},  // the default: every level
                                           ListCase{"3", 2}, ListCase{"1", 4},
                                           ListCase{"2.5", 3}));  // halves round to even

TEST(ClusterList, IsNotWrittenForAThresholdOfZeroOrNoNumber) {
    for (const std::string text : {"0", "-4", "none"}) {
        RoutineRun r;
        r.ctx.settings.savelinks_text = text;
        r.run(kValues, kLabels);
        EXPECT_FALSE(r.host.opened("CLUSTER.LST")) << text;
    }
}

TEST(ClusterList, ThatCannotBeCreatedStopsTheRunNamingTheFile) {
    RoutineRun r;
    r.host.unopenable.insert("CLUSTER.LST");
    try {
        r.run(kValues, kLabels);
        FAIL() << "the run went on without its cluster list";
    } catch (const RunError& e) {
        EXPECT_NE(std::string(e.what()).find("CLUSTER.LST"), std::string::npos);
    }
}

TEST(MatrixListing, CutsTwelveColumnsIntoTwoBlocks) {
    Matrix<float> m(12, 12);
    for (std::int32_t i = 1; i <= 12; ++i)
        for (std::int32_t j = i + 1; j <= 12; ++j) m(i, j) = static_cast<float>(i + j / 100.0);
    RecordingTarget out;
    Printer p(&out);
    write_matrix_listing(p, m, 12, {});
    EXPECT_EQ(out.history,
              crlf({
                  "         SIMILARITY MATRIX",
                  "       1      2      3      4      5      6      7      8      9      10   ",
                  " 1           1.020  1.030  1.040  1.050  1.060  1.070  1.080  1.090  1.100 ",
                  " 2                  2.030  2.040  2.050  2.060  2.070  2.080  2.090  2.100 ",
                  " 3                         3.040  3.050  3.060  3.070  3.080  3.090  3.100 ",
                  " 4                                4.050  4.060  4.070  4.080  4.090  4.100 ",
                  " 5                                       5.060  5.070  5.080  5.090  5.100 ",
                  " 6                                              6.070  6.080  6.090  6.100 ",
                  " 7                                                     7.080  7.090  7.100 ",
                  " 8                                                            8.090  8.100 ",
                  " 9                                                                   9.100 ",
                  " 10                                                                   ",
                  " ",
                  "       11     12   ",
                  " 1    1.110  1.120 ",
                  " 2    2.110  2.120 ",
                  " 3    3.110  3.120 ",
                  " 4    4.110  4.120 ",
                  " 5    5.110  5.120 ",
                  " 6    6.110  6.120 ",
                  " 7    7.110  7.120 ",
                  " 8    8.110  8.120 ",
                  " 9    9.110  9.120 ",
                  " 10   10.110 10.120 ",
                  " 11          11.120 ",
                  " 12           ",
                  " ",
              }));
}

TEST(MatrixListing, LeavesOutAbsorbedRowsAndColumns) {
    Matrix<float> m(3, 3);
    m(1, 2) = 0.5f, m(1, 3) = 0.25f, m(2, 3) = -0.75f;
    RecordingTarget out;
    Printer p(&out);
    write_matrix_listing(p, m, 3, {0, 0, 0, 1});
    EXPECT_EQ(out.history,
              crlf({"         SIMILARITY MATRIX", "       1      2      3   ",
                    " 1           0.500 ", " 2            ", " 3                   ", " "}));
}

TEST(MatrixListing, ComesBeforeSquaringAndAfterEveryLinkageWhenAskedFor) {
    RoutineRun r;
    r.ctx.settings.sim_matrix = true;
    r.ctx.settings.all_matrix = true;
    r.ctx.settings.sqr_sim = true;
    r.run({0, 3, 7}, {"A", "B", "C"});
    const std::string report = r.report();
    const auto box = report.find("* * LINKAGE METHOD");
    const auto first = report.find("SIMILARITY MATRIX");
    ASSERT_LT(first, box);
    EXPECT_NE(report.substr(first, box - first).find("3.000  7.000"), std::string::npos);
    // Two linkages, two more listings; after the last only row 1 remains.
    const std::string after_last =
        crlf({"         SIMILARITY MATRIX", "       1      2      3   ", " 1     ",
              " 2            ", " 3                   ", " "});
    EXPECT_NE(report.find(after_last, box), std::string::npos) << report;
    std::size_t listings = 0;
    for (auto at = report.find("SIMILARITY MATRIX"); at != std::string::npos;
         at = report.find("SIMILARITY MATRIX", at + 1))
        ++listings;
    EXPECT_EQ(listings, 3u);
}

TEST(Routine, ObservedRunReadsTheLinkageWindowAndKeepsTheMeasureDirection) {
    RoutineRun r;
    r.ctx.settings.linkage = LinkageMethod::MinimumVariance;
    r.ctx.settings.sqr_sim = true;
    r.run({0, 1, 3}, {"A", "B", "C"});
    EXPECT_EQ(r.ctx.LinkageIndex, 7);
    EXPECT_TRUE(r.ctx.SquaredFlag);
    EXPECT_EQ(r.ctx.DistanceFlag, kDistance);
    EXPECT_EQ(r.ctx.work.MethodName, "Minimum Variance");
    EXPECT_EQ(r.levels[1], 1.0f);
    EXPECT_FLOAT_EQ(r.levels[2], (2 * 9 + 2 * 4 - 1) / 3.0f);  // Ward on squared distances
    EXPECT_EQ(r.host.link_area.history.rfind("BEGIN CLUSTERING ...\r\n", 0), 0u);
}

TEST(Routine, WithNoLinkageButtonSetTheObservedRunKeepsThePreviousRunsMethod) {
    RoutineRun r;
    r.ctx.settings.linkage = std::nullopt;
    r.ctx.LinkageIndex = 2;
    r.run({0, 1, 3}, {"A", "B", "C"});
    EXPECT_EQ(r.ctx.LinkageIndex, 2);
    EXPECT_EQ(r.ctx.work.MethodName, "farthest neighbor");
}

TEST(Routine, ReplicateUsesTheObservedOptionsAndWritesNothing) {
    RoutineRun r;
    r.ctx.settings.sim_matrix = r.ctx.settings.all_matrix = true;
    r.ctx.settings.linkage = LinkageMethod::Single;  // the window now says single linkage...
    r.ctx.LinkageIndex = 2;  // ...but the observed run used complete linkage
    ASSERT_EQ(r.run(kValues, kLabels, RunMode::Replicate), RoutineExit::Normal);
    EXPECT_EQ(r.levels[4], 30.0f);
    EXPECT_EQ(r.report(), "");
    EXPECT_EQ(r.host.files.size(), 1u);  // only the report sink opened by the test
    EXPECT_TRUE(r.host.canvas.lines.empty() && r.host.canvas.texts.empty());
    EXPECT_EQ(r.host.canvas.clears, 0);
    EXPECT_EQ(r.ctx.DistanceFlag, kSimilarity);
    EXPECT_EQ(r.host.link_area.history, "BEGIN CLUSTERING ...\r\n");
}

}  // namespace
}  // namespace tw::test
