// Every kind of bad table is refused with a message that names the cell (or
// the line) and what was found there.

#include <gtest/gtest.h>

#include "import_fixture.h"

namespace tw::test {
namespace {

using import::Orientation;

struct BadTable {
    const char* name;
    std::string text;
    std::string message;  // the whole message, or the part that matters
};

class BadTables : public ::testing::TestWithParam<BadTable> {};

TEST_P(BadTables, AreRefusedWithAMessageNamingThePlace) {
    const auto& c = GetParam();
    import::ImportOptions rows;
    rows.orientation = Orientation::StationsAsRows;
    const std::string message = refusal(c.text, rows);
    EXPECT_NE(message.find(c.message), std::string::npos) << "message: " << message;
}

const std::string kHeader = "Station,Chir,Olig,Pisi\n";

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadTables,
    ::testing::Values(
        BadTable{"NA", kHeader + "L1,1,2,3\nL2,4,NA,6\n",
                 "Line 3, column 3 (station \"L2\", species \"Olig\"): the value is missing "
                 "(\"NA\"). Fill it in, or choose to read missing values as 0."},
        BadTable{"EmptyCell", kHeader + "L1,1,,3\n",
                 "Line 2, column 3 (station \"L1\", species "
                 "\"Olig\"): the value is missing (an empty cell)."},
        BadTable{"QuestionMark", kHeader + "L1,1,2,?\n", "the value is missing (\"?\")"},
        BadTable{"NotANumber", kHeader + "L1,1,2,3\nL2,4,many,6\n",
                 "Line 3, column 3 (station \"L2\", species \"Olig\"): \"many\" is not a number."},
        BadTable{"DecimalCommaUnderPoint", "Station;Chir\nL1;1.5\nL2;1,5\n",
                 "\"1,5\" is not a number. If the table uses decimal commas"},
        BadTable{"Negative", kHeader + "L1,1,-2,3\n",
                 "Line 2, column 3 (station \"L1\", species \"Olig\"): \"-2\" is negative; "
                 "abundances cannot be below 0."},
        BadTable{"TooLarge", kHeader + "L1,1,2e39,3\n", "\"2e39\" is too large"},
        BadTable{"DuplicateStation", kHeader + "L1,1,2,3\nL2,1,2,3\nL1,4,5,6\n",
                 "Line 4, column 1: the station label \"L1\" is used twice (also at line 2, "
                 "column 1); every station needs a label of its own."},
        BadTable{"DuplicateSpecies", "Station,Chir,Olig,Chir\nL1,1,2,3\n",
                 "Line 1, column 4: the species label \"Chir\" is used twice (also at line 1, "
                 "column 2)"},
        BadTable{"EmptyStationLabel", kHeader + "L1,1,2,3\n,4,5,6\n",
                 "Line 3, column 1: the station label is empty."},
        BadTable{"RaggedShort", kHeader + "L1,1,2,3\nL2,4,5\n",
                 "Line 3 of the table has 3 cells where the first row has 4"},
        BadTable{"RaggedLong", kHeader + "L1,1,2,3\nL2,1,2,3,4\n",
                 "Line 3 of the table has 5 cells where the first row has 4"},
        BadTable{"Empty", "", "The table is empty"},
        BadTable{"BlankLinesOnly", "\r\n ,, \r\n\r\n", "The table is empty"},
        BadTable{"HeadingsOnly", kHeader, "The table has no stations, only headings."},
        BadTable{"LabelsOnly", "Station\nL1\nL2\n", "The table has no species"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(BadTableLimits, MoreSpeciesOrStationsThanTheProgramHoldsAreRefused) {
    std::string wide = "Station";
    std::string row = "S1";
    for (int j = 1; j <= 32768; ++j) {
        wide += ",s" + std::to_string(j);
        row += ",1";
    }
    EXPECT_NE(refusal(wide + "\n" + row + "\n", stations_as_rows())
                  .find("The table has 32768 species; the program can hold at most 32767."),
              std::string::npos);

    std::string tall = "Station,A\n";
    for (int i = 1; i <= 10001; ++i) tall += "S" + std::to_string(i) + ",1\n";
    EXPECT_NE(refusal(tall, stations_as_rows())
                  .find("The table has 10001 stations; the program can hold at most 10000."),
              std::string::npos);
}

TEST(BadTableChoices, NamedColumnsThatAreNotThereAreRefused) {
    import::ImportOptions options;
    options.group_column = import::ColumnChoice::named("Zone");
    options.orientation = Orientation::StationsAsRows;
    EXPECT_EQ(refusal("Station,A\nS1,1\n", options),
              "There is no column headed \"Zone\" in the table's first row.");
    options.orientation = Orientation::StationsAsColumns;
    EXPECT_EQ(refusal("Species,S1\nA,1\n", options),
              "There is no row headed \"Zone\" in the table's first column.");
}

TEST(BadTableChoices, TwoColumnsOfRepeatingTextMustBeChosenBetween) {
    EXPECT_EQ(refusal("Station,Habitat,Zone,A\nS1,reed,x,1\nS2,reed,x,2\nS3,mud,y,3\n",
                      stations_as_rows()),
              "The columns headed \"Habitat\" and \"Zone\" both hold text; choose which one "
              "groups the stations.");
}

TEST(BadLongTables, RepeatedPairsAndConflictingGroupsAreRefused) {
    import::ImportOptions options;
    options.long_columns = import::LongColumns{};
    EXPECT_EQ(refusal("st,sp,n\nX,A,1\nY,A,2\nX,A,3\n", options),
              "Line 4 gives station \"X\" and species \"A\" a second time (first on line 2); "
              "each pair may appear once.");
    options.group_column = import::ColumnChoice::named("g");
    EXPECT_EQ(refusal("st,sp,n,g\nX,A,1,a\nX,B,2,b\n", options),
              "Line 3, column 4: station \"X\" is in group \"b\" here but in group \"a\" on an "
              "earlier line.");
}

}  // namespace
}  // namespace tw::test
