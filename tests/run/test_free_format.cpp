#include <gtest/gtest.h>

#include <string>

#include "run/free_format.h"
#include "run/input_file.h"
#include "run_fixture.h"

namespace tw {
namespace {

TEST(FreeFormat, QuotedTextKeepsCommasAndBlanksAndSkipsOneComma) {
    FreeFormat in("\"Lake, spring  survey\" , \"A\",,\"B\"", "f");
    EXPECT_EQ(in.text_item("t"), "Lake, spring  survey");
    EXPECT_EQ(in.text_item("t"), "A");
    EXPECT_EQ(in.text_item("t"), "");  // the second comma ends an empty unquoted item
    EXPECT_EQ(in.text_item("t"), "B");
}

TEST(FreeFormat, UnquotedTextRunsToACommaOrTheLineEnd) {
    FreeFormat in("Lake survey, spring\r\nnext line\n", "f");
    EXPECT_EQ(in.text_item("t"), "Lake survey");
    EXPECT_EQ(in.text_item("t"), "spring");
    EXPECT_EQ(in.text_item("t"), "next line");
}

TEST(FreeFormat, NumbersAreSeparatedByBlanksCommasAndAnyLineEnd) {
    FreeFormat in("12, 25 3\r\n-.5\n1.5e2\r4E-1 , 7", "f");
    const float expected[] = {12, 25, 3, -0.5f, 150, 0.4f, 7};
    for (float e : expected) EXPECT_FLOAT_EQ(in.single_item("v"), e);
}

TEST(FreeFormat, ItemsThatAreNotNumbersReadAsZero) {
    FreeFormat in("abc 12abc \"A1\" 1e 5 - .", "f");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(in.single_item("v"), 0.0f) << k;
    EXPECT_EQ(in.single_item("v"), 5.0f);
    EXPECT_EQ(in.single_item("v"), 0.0f);
    EXPECT_EQ(in.single_item("v"), 0.0f);
}

TEST(FreeFormat, AByteOrderMarkIsNotPartOfTheTitle) {
    FreeFormat in("\xEF\xBB\xBF\"Title\"\r\n", "f");
    EXPECT_EQ(in.text_item("t"), "Title");
}

TEST(InputFile, ValuesSplitOverLinesReadAsOnOneLine) {
    const std::string one_line = test::crlf_lines(
        {"\"T\"", "2, 3", "\"S\",\"a\",\"b\",\"c\"", "\"X\" 1 2 3", "\"Y\" 4 5 6", "2", "1 1"});
    const std::string split =
        test::crlf_lines({"\"T\"", "2", "3", "\"S\",\"a\",", "\"b\",\"c\"", "\"X\" 1", "2",
                          "  3 \"Y\"", "4 5", "6", "2", "1", "1"});
    const InputFile a = parse_input_file(one_line, "a");
    const InputFile b = parse_input_file(split, "b");
    EXPECT_EQ(b.rows, a.rows);
    EXPECT_EQ(b.cols, a.cols);
    EXPECT_EQ(b.species, a.species);
    EXPECT_EQ(b.stations, a.stations);
    EXPECT_EQ(b.group_sizes, a.group_sizes);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(b.values(i, j), a.values(i, j)) << i << "," << j;
    EXPECT_EQ(a.values(2, 3), 6.0f);
    EXPECT_EQ(b.station_line[2], 8);
}

TEST(InputFile, GroupsAddingUpToFewerStationsAreAccepted) {
    const InputFile f = parse_input_file(test::crlf_lines({"\"T\"", "3 1", "\"S\" \"a\"", "\"X\" 1",
                                                           "\"Y\" 2", "\"Z\" 3", "1", "2"}),
                                         "f");
    EXPECT_EQ(f.groups, 1);
    EXPECT_EQ(f.group_sizes[1], 2);
}

}  // namespace
}  // namespace tw
