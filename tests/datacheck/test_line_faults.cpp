// The faults each kind of line is checked for, with the exact messages the
// user answers.

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace tw::test {
namespace {

const char* const kTitle = "Title Line Error";
const char* const kRowsColumns = "error on number of rows & columns line";
const char* const kLabelQuote = "Column Label Line Error";
const char* const kLabels = "error on column label line";
const char* const kData = "error on data line";
const char* const kValueCount = "error in data line";
const char* const kGroups = "error on replicate group line";
const char* const kSequence = "error on replicates line";
const char* const kSequenceTotals = "error in replicates sequence string";

const std::string kNonNumericGroup =
    "Non-numeric character detected -- this line should contain a single numeric value";
const std::string kLabelHint = " -- check that each data column label is enclosed in quotes";

struct LineCase {
    int line;  // in the well-formed file: 1 title ... 4-6 data, 7 groups, 8 sequence
    std::string text;
    std::vector<Fault> faults;  // on the press that examines that line, each answered Yes
};

// The press that examines a line of the well-formed file (data lines share one).
int press_for_line(int line) {
    return line <= 4 ? line : line <= 6 ? 4 : line - 2;
}

TEST(LineFaults, EachFaultIsReportedWithItsLineTitleAndExactText) {
    const LineCase cases[] = {
        {1,
         "'Pond survey'",
         {asked(kTitle, "missing quote at beginning of line"),
          asked(kTitle, "missing quote at end of line")}},
        {1, "\"Pond survey", {asked(kTitle, "missing quote at end of line")}},
        {2, ",3 2", {asked(kRowsColumns, "comma before 1st number or after second number")}},
        {2, "3 2,", {asked(kRowsColumns, "comma before 1st number or after second number")}},
        {2,
         "3\t2",
         {asked(kRowsColumns,
                "Non-numeric character among numbers: TAB -- convert all tab "
                "characters to spaces")}},
        {2, "3 x2", {asked(kRowsColumns, "Non-numeric character among numbers: x")}},
        {2,
         "\"3 2",
         {asked(kRowsColumns, "1st character is a quote"),
          asked(kRowsColumns, "Non-numeric character among numbers: \"")}},
        {2, "3 40000", {asked(kRowsColumns, "the number of columns is larger than 32767")}},
        {3,
         "\"STATION\",\"Sp1\",\"Sp2\",\"Sp3\"",
         {asked(kLabels, "too many labels" + kLabelHint +
                             " and that there are no extra "
                             "quotation marks")}},
        {3,
         "\"STATION\",\"Sp1\"",
         {asked(kLabels, "too few labels" + kLabelHint +
                             " and that the line begins with a quoted label for the sample "
                             "label column")}},
        {3,
         "STATION,\"Sp1\",\"Sp2\"",
         {asked(kLabelQuote, "missing quote at beginning of line"),
          asked(kLabels, "too few labels" + kLabelHint +
                             " and that the line begins with a quoted label for the sample "
                             "label column")}},
        {3,
         "\"STATIÖN\",\t\"Sp1\",\"Sp2\"",  // Ö is one character, as an editor shows it
         {asked(kLabels,
                "TAB character in position 11 of the string -- Replace all tabs "
                "with spaces")}},
        {4,
         "\"P1\"\t1 2",
         {asked(kData,
                "TAB character in position 5 of the string -- Replace all tabs with "
                "spaces")}},
        {4,
         "\"P1\" 1 2x",
         {asked(kData,
                "a non-numeric character was found in position 9 of the string on "
                "line: 4")}},
        {4, "P1\" 1 2", {asked(kLabelQuote, "missing quote at beginning of line: 4")}},
        {4, "\"A, b\t2x\" 1 2", {}},  // nothing inside the label is examined
        {5,
         "\"P2\" 1 2 7",
         {asked(kValueCount,
                "too many data values -- check that each value is separated by "
                "only one space on row: 2")}},
        {6,
         "\"P3\" 3",
         {asked(kValueCount,
                "too few data values -- check that each value is separated by "
                "at least one space on row: 3")}},
        {6, "\"P3\" 3,0", {}},
        {7, "2x", {asked(kGroups, kNonNumericGroup)}},
        // A station line where the group count belongs: 8 characters and more.
        {7,
         "\"P4\" 1 2",
         {asked(kGroups,
                "File header says there should be 3 rows of data and this row "
                "should contain a single value for the number of replicates -- "
                "check the number of data rows"),
          asked(kGroups, kNonNumericGroup), asked(kGroups, kNonNumericGroup),
          asked(kGroups, kNonNumericGroup), asked(kGroups, kNonNumericGroup)}},
        {7,
         "\"P4\" 12",
         {asked(kGroups, kNonNumericGroup), asked(kGroups, kNonNumericGroup),
          asked(kGroups, kNonNumericGroup), asked(kGroups, kNonNumericGroup)}},
        {8,
         "2;1",
         {asked(kSequence,
                "Non-numeric character detected -- this line should contain only "
                "numeric values, commas, and spaces"),
          asked(kSequenceTotals,
                "The number of values in replicate sequence line is less "
                "than that specified on the Replicate Group line"),
          asked(kSequenceTotals,
                "The number of replicates adds to more than the number of data lines")}},
    };
    for (const auto& c : cases) {
        CheckRun run;
        run.answer_yes(10);
        run.start(well_formed_with(c.line, c.text));
        for (int press = 1; press < press_for_line(c.line); ++press) run.press();
        ASSERT_TRUE(run.faults().empty()) << c.text;
        run.press();
        EXPECT_EQ(run.faults(), c.faults) << "line " << c.line << ": " << c.text;
    }
}

TEST(LineFaults, RowsAndColumnsAreReadWhicheverSeparatorIsUsed) {
    struct Case {
        const char* text;
        std::int32_t rows;
        std::int16_t columns;
    };
    for (const Case& c : {Case{"12 5", 12, 5}, Case{"12,5", 12, 5}, Case{"12, 5", 12, 5},
                          Case{"12   5", 12, 5}, Case{"12 , 5", 12, 5}}) {
        CheckRun run;
        run.start(well_formed_with(2, c.text));
        run.press();
        run.press();
        EXPECT_TRUE(run.faults().empty()) << c.text;
        EXPECT_EQ(run.check.state().DeclaredRows, c.rows) << c.text;
        EXPECT_EQ(run.check.state().DeclaredColumns, c.columns) << c.text;
    }
}

TEST(LineFaults, ReplicateCountsAreComparedWithTheGroupLineAndTheStations) {
    const std::string less =
        "The number of values in replicate sequence line is less than "
        "that specified on the Replicate Group line";
    const std::string greater =
        "The number of values in replicate sequence line is greater "
        "than that specified on the Replicate Group line";
    const std::string more =
        "The number of replicates adds to more than the number of data "
        "lines";
    const std::string fewer =
        "The number of replicates adds to fewer than the number of "
        "data lines";
    struct Case {
        int stations;
        std::string groups;
        std::vector<Fault> faults;
    };
    const Case cases[] = {
        {10, "3", {}},
        {10, "2", {asked(kSequenceTotals, greater)}},
        {10, "4", {asked(kSequenceTotals, less)}},
        {9, "3", {asked(kSequenceTotals, more)}},
        {11, "4", {asked(kSequenceTotals, less), asked(kSequenceTotals, fewer)}},
    };
    for (const auto& c : cases) {
        CheckRun run;
        run.answer_yes(2);
        // Values separated by a comma and a blank, then by a blank and a comma.
        run.start(data_file(std::vector<std::string>(c.stations, "\"s\" 1"), 1,
                            c.groups + "\r\n3, 3 ,4\r\n"));
        EXPECT_EQ(run.press_to_end(), 6);
        EXPECT_EQ(run.faults(), c.faults) << c.stations << " stations, " << c.groups;
    }
}

}  // namespace
}  // namespace tw::test
