#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/averaging.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

using Rows = std::vector<std::vector<float>>;

// A data set as the reader leaves it: stations "S1".., species "Sp1"...
struct Averaging : ::testing::Test {
    void set_data(const Rows& rows, const std::vector<std::int32_t>& reps) {
        ctx.DataTitle = "Test data";
        ctx.NumRows = static_cast<std::int32_t>(rows.size());
        ctx.NumCols = static_cast<std::int16_t>(rows[0].size());
        ctx.NumGroups = static_cast<std::int32_t>(reps.size());
        ctx.DataMatrix.recreate(ctx.NumRows, ctx.NumCols);
        ctx.StationLabel = {""};
        for (std::int32_t i = 1; i <= ctx.NumRows; ++i) {
            ctx.StationLabel.push_back("S" + std::to_string(i));
            for (std::int32_t j = 1; j <= ctx.NumCols; ++j)
                ctx.DataMatrix(i, j) =
                    rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
        }
        ctx.SpeciesLabel = {""};
        for (std::int32_t j = 1; j <= ctx.NumCols; ++j)
            ctx.SpeciesLabel.push_back("Sp" + std::to_string(j));
        ctx.RepCount = {0};
        ctx.RepCount.insert(ctx.RepCount.end(), reps.begin(), reps.end());
        ctx.settings.average_file = "avg.txt";
    }
    void average() {
        ctx.AvgMatrix.recreate(ctx.NumGroups, ctx.NumCols);
        ctx.GroupLabel.assign(static_cast<std::size_t>(ctx.NumGroups) + 1, "");
        average_groups(ctx, host, ctx.NumGroups, ctx.AvgMatrix, ctx.DataMatrix, ctx.GroupLabel, 0,
                       ctx.LinkMembers, RunMode::Observed);
    }
    test::ScriptedHost host;
    RunContext ctx;
};

TEST_F(Averaging, ConsecutiveStationsFormEachGroupWithTheFirstStationsLabel) {
    set_data({{1, 4}, {2, 6}, {0, 3}, {5, 0}, {7, 1}}, {2, 2, 1});
    average();
    const float expected[3][2] = {{1.5f, 5}, {2.5f, 1.5f}, {7, 1}};
    for (int g = 1; g <= 3; ++g)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(ctx.AvgMatrix(g, j), expected[g - 1][j - 1]);
    EXPECT_EQ(ctx.GroupLabel, (std::vector<std::string>{"", "S1", "S3", "S5"}));
    EXPECT_FALSE(host.opened("avg.txt"));
}

TEST_F(Averaging, StationsBeyondTheLastGroupAreLeftOut) {
    set_data({{1}, {3}, {100}}, {2});
    average();
    EXPECT_EQ(ctx.AvgMatrix(1, 1), 2.0f);
}

TEST_F(Averaging, MeansAreTransformedAfterAveraging) {
    set_data({{9, -0.5f, 0}, {9, -0.5f, 0}}, {2});
    ctx.TransformCode = Transform::Ln;
    average();
    EXPECT_FLOAT_EQ(ctx.AvgMatrix(1, 1), 2.302585f);  // ln(9 + 1) of the mean
    EXPECT_EQ(ctx.AvgMatrix(1, 3), 0.0f);
    ctx.TransformCode = Transform::Binary;
    average();
    EXPECT_EQ(ctx.AvgMatrix(1, 1), 1.0f);
    EXPECT_EQ(ctx.AvgMatrix(1, 2), -0.5f);  // a negative mean stays as it is
    EXPECT_EQ(ctx.AvgMatrix(1, 3), 0.0f);
}

TEST_F(Averaging, RootsAndRelativeAbundancesAreThoseWorkedByHand) {
    struct Case {
        const char* name;
        bool standardise;
        Transform code;
        Rows expected;
    };
    // Stations (1 4 9 0) and (0 16 0 0), each its own group; 1 + 4 + 9 = 14.
    const std::vector<Case> cases = {
        {"square root", false, Transform::SquareRoot, {{1, 2, 3, 0}, {0, 4, 0, 0}}},
        {"fourth root",
         false,
         Transform::FourthRoot,
         {{1, 1.4142135f, 1.7320508f, 0}, {0, 2, 0, 0}}},
        {"relative abundance",
         true,
         Transform::None,
         {{7.142857f, 28.571428f, 64.28571f, 0}, {0, 100, 0, 0}}},
        {"relative abundance, square root",
         true,
         Transform::SquareRoot,
         {{2.6726124f, 5.3452249f, 8.0178373f, 0}, {0, 10, 0, 0}}},
        {"relative abundance, ln(X+1)",
         true,
         Transform::Ln,
         {{2.0971411f, 3.3868086f, 4.1787732f, 0}, {0, 4.6151205f, 0, 0}}},
    };
    set_data({{1, 4, 9, 0}, {0, 16, 0, 0}}, {1, 1});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ctx.StandardiseFlag = c.standardise;
        ctx.TransformCode = c.code;
        average();
        for (int g = 1; g <= 2; ++g)
            for (int j = 1; j <= 4; ++j)
                EXPECT_FLOAT_EQ(ctx.AvgMatrix(g, j), c.expected[g - 1][j - 1]) << g << "," << j;
    }
}

TEST_F(Averaging, AGroupIsStandardisedOnItsMeansAndAnEmptyGroupStaysEmpty) {
    // Stations (2 0) and (0 6) average to (1 3): 25 % and 75 % of the group,
    // whatever the group's size; fourth roots 2.236068 and 2.942831.
    set_data({{2, 0}, {0, 6}, {0, 0}, {-4, 0}}, {2, 1, 1});
    ctx.StandardiseFlag = true;
    ctx.TransformCode = Transform::FourthRoot;
    average();
    EXPECT_FLOAT_EQ(ctx.AvgMatrix(1, 1), 2.236068f);
    EXPECT_FLOAT_EQ(ctx.AvgMatrix(1, 2), 2.942831f);
    EXPECT_EQ(ctx.AvgMatrix(2, 1), 0.0f);
    EXPECT_EQ(ctx.AvgMatrix(2, 2), 0.0f);
    // A total of zero or less has no relative abundances: the negative group
    // is left unscaled and its root keeps the sign.
    EXPECT_FLOAT_EQ(ctx.AvgMatrix(3, 1), -1.4142135f);
    EXPECT_EQ(host.message_area.shown, "NO LIFE ...\r\n");
}

TEST_F(Averaging, AGroupWithoutAnySpeciesIsReportedAndKept) {
    set_data({{0, 0}, {1, 2}, {0, 0}}, {1, 1, 1});
    average();
    EXPECT_EQ(host.message_area.shown, "NO LIFE ...\r\nNO LIFE ...\r\n");
    EXPECT_EQ(ctx.GroupLabel[3], "S3");
}

TEST_F(Averaging, FileHoldsTitleCountsLabelsAndValuesAndIsWrittenOnce) {
    set_data({{1, 4}, {2, 6}, {0, 3}, {5, 0}, {7, 1.0625f}}, {2, 2, 1});
    ctx.StationLabel[3] = "LONGLABEL";  // closing quote beyond column 9
    ctx.PrintAvgFlag = true;
    average();
    EXPECT_EQ(host.file("avg.txt"),
              "\"Test data\"\r\n"
              " 3" +
                  std::string(13, ' ') +
                  "2 \r\n"
                  "\"STATION \"\"Sp1\" \"Sp2\"  \r\n"
                  "\"S1\"     1.500 5.000  \r\n"
                  "\"LONGLABEL\"\r\n"
                  "         2.500 1.500  \r\n"
                  "\"S5\"     7.000 1.063  \r\n");
    EXPECT_FALSE(ctx.PrintAvgFlag);
    EXPECT_FALSE(ctx.channels.is_open(3));
    EXPECT_EQ(host.message_area.history.substr(0, 8), "<CLEAR>\n");
    EXPECT_NE(host.message_area.history.find(
                  "The full square similarity matrix will be printed in row-major order\r\n"
                  "(all of row 1, then all of row 2, etc.) twenty column per line\r\n\r\n\r\n"),
              std::string::npos);

    host.files["avg.txt"] = "kept";
    average();
    EXPECT_EQ(host.file("avg.txt"), "kept");
}

TEST_F(Averaging, ReplicateTakesEachPositionsSizeFromTheGroupMap) {
    // Groups of 1, 2 and 3 stations; the replicate averages groups 3 and 1 in
    // that order over its own drawn rows.
    set_data({{1}, {2}, {3}, {4}, {5}, {6}}, {1, 2, 3});
    MemberLists map;
    map.record(2, MemberPart::station(3), MemberPart::station(1));
    Matrix<float> drawn(4, 1);
    const float rows[] = {10, 20, 30, 40};
    for (int r = 1; r <= 4; ++r) drawn(r, 1) = rows[r - 1];
    Matrix<float> out(2, 1);
    std::vector<std::string> labels(3);
    ctx.PrintAvgFlag = false;
    average_groups(ctx, host, 2, out, drawn, labels, 2, map, RunMode::Replicate);
    EXPECT_EQ(out(1, 1), 20.0f);
    EXPECT_EQ(out(2, 1), 40.0f);
    EXPECT_EQ(labels, (std::vector<std::string>{"", "S1", "S2"}));
    EXPECT_FALSE(host.opened("avg.txt"));
}

}  // namespace
}  // namespace tw
