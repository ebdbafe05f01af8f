#include <gtest/gtest.h>

#include <string>

#include "resemblance/measure.h"
#include "run/run_driver.h"
#include "run_fixture.h"

namespace tw {
namespace {

using test::crlf_lines;

// Station lines "Sn" with one value each.
std::string one_species_file(int stations) {
    std::string text = "\"T\"\r\n" + std::to_string(stations) + " 1\r\n\"S\" \"a\"\r\n";
    for (int i = 1; i <= stations; ++i)
        text += "\"S" + std::to_string(i) + "\" " + std::to_string(i) + "\r\n";
    return text + "0\r\n";
}

std::string zeros(int count) {
    std::string z;
    for (int k = 0; k < count; ++k) z += " 0 ";
    return z;
}

TEST(ReadingEcho, MessageAreaShowsClearingRowsGroupsInOrder) {
    test::RunFixture run;
    run.use_file(crlf_lines({"\"T\"", "2 2", "\"S\" \"a\" \"b\"", "\"X\" 1 2.5", "\"Y\" 3 -1", "0",
                             "nothing after the group count is read"}));
    ASSERT_EQ(prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure)),
              Outcome::Completed);
    EXPECT_EQ(run.host.message_area.history,
              zeros(4) +
                  "<CLEAR>\n"
                  "X  1  2.5 \r\n"
                  "Y  3 -1 \r\n"
                  "<CLEAR>\n"
                  "No Replicates specified - using 1 per station\r\n"
                  "<CLEAR>\n"
                  " 2  STATIONS\r\n"
                  "STATION:  1    1  REPS.\r\n"
                  "STATION:  2    1  REPS.\r\n"
                  "Calling routine to generate average abundance matrix\r\n");
    EXPECT_EQ(run.ctx.NumGroups, 2);
    EXPECT_EQ(run.ctx.RepCount, (std::vector<std::int32_t>{0, 1, 1}));
}

TEST(ReadingEcho, ClearingBreaksAfterEveryThirtiethSpecies) {
    test::RunFixture run;
    std::string file = "\"T\"\r\n1 31\r\n\"S\"";
    for (int j = 1; j <= 31; ++j) file += " \"a\"";
    file += "\r\n\"X\"";
    for (int j = 1; j <= 31; ++j) file += " 1";
    run.use_file(file + "\r\n0\r\n");
    ASSERT_EQ(prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure)),
              Outcome::Completed);
    const std::string expected = zeros(30) + "\r\n<CLEAR>\n" + zeros(1) + "<CLEAR>\nX  1 ";
    EXPECT_EQ(run.host.message_area.history.substr(0, expected.size()), expected);
}

TEST(ReadingEcho, EveryHundredthStationBreaksAfterEachCell) {
    test::RunFixture run;
    std::string file = "\"T\"\r\n100 2\r\n\"S\" \"a\" \"b\"\r\n";
    for (int i = 1; i <= 100; ++i) file += "\"S\" 1 1\r\n";
    run.use_file(file + "0\r\n");
    ASSERT_EQ(prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure)),
              Outcome::Completed);
    const std::string expected =
        zeros(198) + " 0 \r\n<CLEAR>\n 0 \r\n<CLEAR>\n<CLEAR>\nS  1  1 \r\n";
    EXPECT_EQ(run.host.message_area.history.substr(0, expected.size()), expected);
}

TEST(ReadingEcho, ValuesOfTheFirstTenStationsAndALineEndAfterEveryTwentiethLabel) {
    test::RunFixture run;
    run.use_file(one_species_file(21));
    ASSERT_EQ(prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure)),
              Outcome::Completed);
    const std::string& h = run.host.message_area.history;
    EXPECT_NE(h.find("S9  9 \r\nS10  10 \r\nS11 S12 S13 "), std::string::npos);
    EXPECT_NE(h.find("S19 S20 \r\nS21 <CLEAR>\n"), std::string::npos);
}

struct QuestionCase {
    const char* name;
    const char* rows;  // two station lines
    bool multiply;
    const char* constant;
    std::vector<std::pair<std::string, std::string>> asked;  // title, prompt
};

const std::string kEmptyRow = "Empty Data Row Warning Do you want to continue?";
const std::string kNegRow = "Negative Data Row Warning Do you want to continue?";
const std::string kEmptyCol = "Empty Data Column Warning Do you want to continue?";

TEST(ReadingQuestions, RowsAndColumnsTotallingZeroOrLessAreAskedAbout) {
    const QuestionCase cases[] = {
        {"sound data", "\"X\" 1 2\r\n\"Y\" 3 4", false, "1", {}},
        {"empty row",
         "\"X\" 0 0\r\n\"Y\" 3 4",
         false,
         "1",
         {{kEmptyRow, "Values in Row 1 (X) total to zero"}}},
        {"negative row and columns",
         "\"X\" 1 1\r\n\"Y\" -1 -2",
         false,
         "1",
         {{kNegRow, "Values in Row 2 (Y) sum to a negative number"},
          {kEmptyCol, "Values in column 1 (a) total to zero"},
          {kEmptyCol, "Values in column 2 (b) sum to a negative number"}}},
        {"constant of zero",
         "\"X\" 1 2\r\n\"Y\" 3 4",
         true,
         "0",
         {{kEmptyRow, "Values in Row 1 (X) total to zero"},
          {kEmptyRow, "Values in Row 2 (Y) total to zero"},
          {kEmptyCol, "Values in column 1 (a) total to zero"},
          {kEmptyCol, "Values in column 2 (b) total to zero"}}},
        {"blank constant box",
         "\"X\" 1 0\r\n\"Y\" 0 4",
         true,
         " ",
         {{kEmptyRow, "Values in Row 1 (X) total to zero"},
          {kEmptyRow, "Values in Row 2 (Y) total to zero"},
          {kEmptyCol, "Values in column 1 (a) total to zero"},
          {kEmptyCol, "Values in column 2 (b) total to zero"}}},
        {"negative constant",
         "\"X\" 1 2\r\n\"Y\" 3 4",
         true,
         "-1",
         {{kNegRow, "Values in Row 1 (X) sum to a negative number"},
          {kNegRow, "Values in Row 2 (Y) sum to a negative number"},
          {kEmptyCol, "Values in column 1 (a) sum to a negative number"},
          {kEmptyCol, "Values in column 2 (b) sum to a negative number"}}},
        {"constant unticked", "\"X\" 1 2\r\n\"Y\" 3 4", false, "0", {}},
    };
    for (const auto& c : cases) {
        test::RunFixture run;
        run.use_file("\"T\"\r\n2 2\r\n\"S\" \"a\" \"b\"\r\n" + std::string(c.rows) + "\r\n0\r\n");
        run.ctx.settings.multiply = c.multiply;
        run.ctx.settings.constant_text = c.constant;
        for (std::size_t k = 0; k < c.asked.size(); ++k) run.host.answer(Answer::Yes);
        EXPECT_EQ(prepare_observed_run(run.ctx, run.host, measure_choice(run.ctx.settings.measure)),
                  Outcome::Completed)
            << c.name;
        ASSERT_EQ(run.host.questions.size(), c.asked.size()) << c.name;
        for (std::size_t k = 0; k < c.asked.size(); ++k) {
            EXPECT_EQ(run.host.questions[k].title, c.asked[k].first) << c.name;
            EXPECT_EQ(run.host.questions[k].text, c.asked[k].second) << c.name;
            EXPECT_EQ(run.host.questions[k].buttons, Buttons::YesNo) << c.name;
        }
    }
}

}  // namespace
}  // namespace tw
