// Reading text tables cell by cell: separators, quoting, line ends,
// encodings and numbers as spreadsheets and R write them.

#include <gtest/gtest.h>

#include "import/cell_number.h"
#include "import/delimited_text.h"
#include "import/table_files.h"
#include "import/text_decoding.h"
#include "import_fixture.h"

namespace tw::test {
namespace {

using import::CellKind;
using import::DecimalMark;
using import::Separator;

TEST(TextCells, SeparatorIsDetectedFromTheLinesNotTheFirstCharacterSeen) {
    EXPECT_EQ(import::detect_separator("a,b,c\n1,2,3\n"), Separator::Comma);
    // Decimal commas must not win over the semicolons between cells.
    EXPECT_EQ(import::detect_separator("a;b;c\n1,5;2;3,25\n4;5,5;6\n"), Separator::Semicolon);
    EXPECT_EQ(import::detect_separator("a\tb, c\tx\n1\t2\t3\n"), Separator::Tab);
    // Commas inside quotes are not separators.
    EXPECT_EQ(import::detect_separator("\"a,b\";\"c\"\n1;2\n"), Separator::Semicolon);
    // R's write.table leaves the heading of the row names out.
    EXPECT_EQ(import::detect_separator("\"a\",\"b\"\n\"x\",1,2\n"), Separator::Comma);
}

TEST(TextCells, QuotedCellsKeepSeparatorsQuotesAndLineBreaks) {
    const auto grid = import::parse_delimited(
        "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",plain\r\nx,y,z,w", Separator::Comma);
    ASSERT_EQ(grid.rows(), 2u);
    EXPECT_EQ(grid.cells[0][0], "a,b");
    EXPECT_EQ(grid.cells[0][1], "say \"hi\"");
    EXPECT_EQ(grid.cells[0][2], "two\r\nlines");
    EXPECT_EQ(grid.cells[0][3], "plain");
    // The second record starts on the third line of the file.
    EXPECT_EQ(grid.row_numbers[1], 3);
}

TEST(TextCells, LineEndsOfEveryKindEndARecord) {
    for (const char* text : {"a,b\n1,2\n", "a,b\r\n1,2\r\n", "a,b\r1,2\r", "a,b\n1,2"}) {
        const auto grid = import::parse_delimited(text, Separator::Comma);
        ASSERT_EQ(grid.rows(), 2u) << text;
        EXPECT_EQ(grid.cells[1][1], "2") << text;
    }
}

TEST(TextCells, UnclosedQuoteIsRefusedNamingItsLine) {
    EXPECT_NE(refusal("a,b\n1,2\n\"x,3\n").find("begins on line 3 has no closing double quote"),
              std::string::npos);
}

TEST(TextCells, EncodingsAreTurnedIntoUtf8) {
    EXPECT_EQ(import::decode_table_text("\xEF\xBB\xBFSt,\xC3\xA9").utf8, "St,\xC3\xA9");
    const auto latin = import::decode_table_text("\xC9tang,\x80,\x93x");
    EXPECT_EQ(latin.encoding, import::TextEncoding::Windows1252);
    EXPECT_EQ(latin.utf8, "\xC3\x89tang,\xE2\x82\xAC,\xE2\x80\x9Cx");
    const std::string utf16le(
        "\xFF\xFE"
        "a\0,\0\xE9\0",
        8);
    EXPECT_EQ(import::decode_table_text(utf16le).utf8, "a,\xC3\xA9");
    // A truncated or overlong sequence is not UTF-8.
    EXPECT_FALSE(import::is_valid_utf8("ab\xC3"));
    EXPECT_FALSE(import::is_valid_utf8("\xC0\xAF"));
    EXPECT_TRUE(import::is_valid_utf8("\xF0\x9F\x90\x9F"));
}

TEST(TextCells, NumbersAreWrittenAsTypedWithoutExponentOrSign) {
    struct Case {
        const char* cell;
        DecimalMark mark;
        const char* plain;
    };
    const Case cases[] = {
        {"12.5", DecimalMark::Point, "12.5"}, {" 3 ", DecimalMark::Point, "3"},
        {"12,5", DecimalMark::Comma, "12.5"}, {".5", DecimalMark::Point, "0.5"},
        {"+7", DecimalMark::Point, "7"},      {"1.5e3", DecimalMark::Point, "1500"},
        {"2E-2", DecimalMark::Point, "0.02"}, {"007.50", DecimalMark::Point, "7.5"},
        {"-0", DecimalMark::Point, "0"},      {"1e-300", DecimalMark::Point, "0"},
        {"5.", DecimalMark::Point, "5"},      {"0,25", DecimalMark::Comma, "0.25"},
    };
    for (const auto& c : cases) {
        const auto v = import::read_cell(c.cell, c.mark);
        ASSERT_EQ(v.kind, CellKind::Number) << c.cell;
        EXPECT_EQ(v.plain, c.plain) << c.cell;
    }
}

TEST(TextCells, MissingValuesAndTextAreToldApart) {
    for (const char* m : {"", "  ", "NA", "NaN", "?", "N/A"})
        EXPECT_EQ(import::read_cell(m, DecimalMark::Point).kind, CellKind::Missing) << m;
    for (const char* t : {"abc", "1.2.3", "1,5", "e5", "1e", "--1", "12 kg"})
        EXPECT_EQ(import::read_cell(t, DecimalMark::Point).kind, CellKind::Text) << t;
    // With decimal commas a point makes the cell text, not a thousandfold value.
    EXPECT_EQ(import::read_cell("1.5", DecimalMark::Comma).kind, CellKind::Text);
}

TEST(TextCells, DecimalMarkIsDetectedFromTheNumbers) {
    auto grid_of = [](const char* text) {
        return import::parse_delimited(text, import::detect_separator(text));
    };
    EXPECT_EQ(import::detect_decimal_mark(grid_of("a;b\n1,5;2\n")), DecimalMark::Comma);
    EXPECT_EQ(import::detect_decimal_mark(grid_of("a;b\n1.5;2\n")), DecimalMark::Point);
    EXPECT_EQ(import::detect_decimal_mark(grid_of("a;b\n1;2\n")), DecimalMark::Point);
}

TEST(TableFiles, TheProgramsOwnDataFilesAreToldFromTables) {
    EXPECT_TRUE(import::is_data_file("lake.txt", "\"Lake, spring\"\r\n12, 6\r\n\"STATION\""));
    EXPECT_TRUE(import::is_data_file("lake.dat", "\xEF\xBB\xBF\"Lake\"\n12 6\n"));
    // Faulty data files still go to the format check rather than the import.
    EXPECT_TRUE(import::is_data_file("lake.txt", "'Lake'\n12 6\n"));
    EXPECT_TRUE(import::is_data_file("lake.txt", "\"Lake\"\n12\n"));
    EXPECT_FALSE(import::is_data_file("t.csv", "\"\",\"a\",\"b\"\n\"x\",1,2\n"));
    EXPECT_FALSE(import::is_data_file("t.txt", "Station\tA\tB\n1\t2\t3\n"));
    EXPECT_FALSE(import::is_data_file("t.csv", "Site,A\n1,2\n2,5\n"));
    EXPECT_FALSE(import::is_data_file("t.xlsx", "\"Lake\"\n12 6\n"));
}

TEST(TableFiles, TheDataFileGoesNextToTheTableWithoutWritingOverIt) {
    EXPECT_EQ(import::default_data_file_path("/d/ponds.csv"), "/d/ponds.txt");
    EXPECT_EQ(import::default_data_file_path("/d/ponds.XLSX"), "/d/ponds.txt");
    EXPECT_EQ(import::default_data_file_path("/d/ponds.txt"), "/d/ponds_data.txt");
    EXPECT_EQ(import::default_data_file_path("/d.x/ponds"), "/d.x/ponds.txt");
}

}  // namespace
}  // namespace tw::test
