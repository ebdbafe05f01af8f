// The same pond survey kept the ways ecologists keep tables (R, Excel,
// LibreOffice, tab-separated text, stations as columns, a long table, xlsx
// and ods workbooks) imports to the same data file, byte for byte.

#include <gtest/gtest.h>

#include "import/workbook/chosen_file.h"
#include "import/workbook/workbook.h"
#include "import_fixture.h"

namespace tw::test {
namespace {

using import::ColumnChoice;
using import::DecimalMark;
using import::ImportOptions;
using import::Orientation;
using import::Separator;

struct Convention {
    const char* file;
    std::optional<Separator> separator;  // what must be detected
    DecimalMark mark;
    Orientation orientation;
    bool long_table;
};

class PondSurvey : public ::testing::TestWithParam<Convention> {};

tw::import::ImportedTable import_fixture(const std::string& name, ImportOptions options) {
    options.title = "Pond survey";
    return import::import_chosen_file(import::open_chosen_file(fixture_path(name)), options,
                                      "with --sheet");
}

TEST_P(PondSurvey, ImportsToTheDataFileTypedByHandWithStationsGatheredByGroup) {
    const Convention& c = GetParam();
    const auto imported = import_fixture(c.file, {});
    EXPECT_EQ(import::data_file_text(imported), fixture("ponds_expected.txt"));

    const auto& s = imported.summary;
    EXPECT_EQ(s.separator, c.separator);
    EXPECT_EQ(s.decimal_mark, c.mark);
    EXPECT_EQ(s.long_table, c.long_table);
    if (!c.long_table) {
        EXPECT_EQ(s.orientation, c.orientation);
    }
    EXPECT_TRUE(s.orientation_known);
    EXPECT_EQ(s.group_column, "Management");
    EXPECT_TRUE(s.reordered);
    EXPECT_EQ(import::counts_text(s), "8 stations x 5 species in 3 groups");
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, PondSurvey,
    ::testing::Values(Convention{"r_write_csv.csv", Separator::Comma, DecimalMark::Point,
                                 Orientation::StationsAsRows, false},
                      Convention{"r_write_csv2.csv", Separator::Semicolon, DecimalMark::Comma,
                                 Orientation::StationsAsRows, false},
                      Convention{"excel_utf8.csv", Separator::Comma, DecimalMark::Point,
                                 Orientation::StationsAsRows, false},
                      Convention{"tab_separated.txt", Separator::Tab, DecimalMark::Point,
                                 Orientation::StationsAsRows, false},
                      Convention{"stations_as_columns.csv", Separator::Comma, DecimalMark::Point,
                                 Orientation::StationsAsColumns, false},
                      Convention{"long_table.csv", Separator::Comma, DecimalMark::Point,
                                 Orientation::StationsAsRows, true},
                      Convention{"ponds.xlsx", std::nullopt, DecimalMark::Point,
                                 Orientation::StationsAsRows, false},
                      Convention{"ponds.ods", std::nullopt, DecimalMark::Point,
                                 Orientation::StationsAsRows, false}),
    [](const auto& param_info) {
        std::string name = param_info.param.file;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(TableChoices, WithoutGroupingEveryStationIsItsOwnGroupInTableOrder) {
    ImportOptions options;
    options.group_column = ColumnChoice::none();
    options.label_column = ColumnChoice::named("Station");
    options.orientation = Orientation::StationsAsRows;
    // The grouping column is then an ordinary column: of text, refused.
    EXPECT_NE(refusal(fixture("excel_utf8.csv"), options).find("\"grazed\" is not a number"),
              std::string::npos);

    const std::string text = imported_text("Station,A,B\nS2,1,2\nS1,3,4\n", options);
    EXPECT_EQ(
        text,
        "\"table.csv\"\r\n2, 2\r\n\"STATION\",\"A\",\"B\"\r\n\"S2\" 1 2\r\n\"S1\" 3 4\r\n0\r\n");
}

TEST(TableChoices, NamedLabelAndGroupColumnsAreFoundAnywhere) {
    ImportOptions options;
    options.label_column = ColumnChoice::named("Code");
    options.group_column = ColumnChoice::named("Zone");
    const auto imported = import::import_text("Depth,Zone,Code,Sp1\n2,A,P1,1\n4,B,P2,2\n6,A,P3,3\n",
                                              options, "t.csv");
    EXPECT_EQ(imported.table.stations, (std::vector<std::string>{"P1", "P3", "P2"}));
    EXPECT_EQ(imported.group_sizes, (std::vector<int>{2, 1}));
    // Every other column is a species, wherever it stands.
    EXPECT_EQ(imported.table.species, (std::vector<std::string>{"Depth", "Sp1"}));
}

TEST(TableChoices, GroupsAlreadyTogetherAreNotReportedAsReordered) {
    const auto imported =
        import::import_text("Station,Zone,Sp1\nS1,A,1\nS2,A,2\nS3,B,3\n", {}, "t.csv");
    EXPECT_FALSE(imported.summary.reordered);
    EXPECT_TRUE(import::import_notes(imported.summary).empty());
}

TEST(TableChoices, OrientationIsLeftToTheUserWhenTheTableDoesNotShowIt) {
    const auto imported =
        import::import_text("\"\",\"a\",\"b\"\n\"x\",1,2\n\"y\",3,4\n", {}, "t.csv");
    EXPECT_FALSE(imported.summary.orientation_known);
    ImportOptions columns;
    columns.orientation = Orientation::StationsAsColumns;
    const auto turned =
        import::import_text("\"\",\"a\",\"b\"\n\"x\",1,2\n\"y\",3,4\n", columns, "t.csv");
    EXPECT_EQ(turned.table.stations, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(turned.table.values[0], (std::vector<std::string>{"1", "3"}));
}

TEST(TableChoices, LongTableColumnsAreChosenByName) {
    ImportOptions options;
    options.long_columns = import::LongColumns{"st", "sp", "n"};
    const auto imported = import::import_text("n,sp,st\n2,A,X\n5,B,Y\n", options, "t.csv");
    EXPECT_EQ(imported.table.stations, (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(imported.table.values,
              (std::vector<std::vector<std::string>>{{"2", "0"}, {"0", "5"}}));
}

TEST(TableChoices, WindowsTextKeepsItsAccentsInTheDataFile) {
    // "Etang" with E acute and "Daphnie" with e grave, as Windows-1252 bytes.
    const std::string text =
        imported_text("Station;Daphni\xE8s\r\n\xC9tang 1;2,5\r\n", stations_as_rows());
    EXPECT_NE(text.find("\"Daphni\xC3\xA8s\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"\xC3\x89tang 1\" 2.5"), std::string::npos) << text;
}

TEST(TableChoices, LabelsAreMadeFitForTheDataFile) {
    const std::string text =
        imported_text("Station,\"Gammarus \"\"pulex\"\"\"\n\"P\t1\",2\nP2,3\n", stations_as_rows());
    EXPECT_NE(text.find("\"Gammarus 'pulex'\""), std::string::npos);
    EXPECT_NE(text.find("\"P 1\" 2"), std::string::npos);
}

TEST(Workbooks, SheetIsChosenByNameAndUnknownSheetsAreListed) {
    ImportOptions options;
    options.sheet = "Counts";
    EXPECT_EQ(import::import_workbook(fixture_path("ponds.xlsx"), options, "x").summary.stations,
              8);
    options.sheet = "Sheet9";
    try {
        import::import_workbook(fixture_path("ponds.ods"), options, "x");
        FAIL() << "an unknown sheet was read";
    } catch (const import::ImportError& e) {
        EXPECT_STREQ(e.what(),
                     "The workbook has no sheet named \"Sheet9\"; its sheets are \"Counts\", "
                     "\"Notes\".");
    }
}

TEST(Workbooks, BadCellsAreNamedAsTheSpreadsheetNamesThem) {
    try {
        import::import_workbook(fixture_path("ponds_gaps.xlsx"), {}, "x");
        FAIL() << "a missing value was read";
    } catch (const import::ImportError& e) {
        EXPECT_STREQ(e.what(),
                     "Cell D4 (station \"P3\", species \"Lemna\"): the value is missing (\"NA\"). "
                     "Fill it in, or choose to read missing values as 0.");
    }
    ImportOptions options;
    options.missing_as_zero = true;
    const auto imported = import::import_workbook(fixture_path("ponds_gaps.xlsx"), options, "x");
    EXPECT_EQ(imported.summary.missing_as_zero, 2);
}

TEST(Workbooks, AFileThatIsNotAWorkbookIsRefused) {
    EXPECT_THROW(import::workbook_sheets(fixture_path("r_write_csv.csv")), import::ImportError);
}

}  // namespace
}  // namespace tw::test
