// A file the user chose, as the windows, tarnwick-batch and tarnwick-import
// all take it: the program's own data file goes to the run as it stands, a
// table is read once and imported, and a file that is no table is named for
// what it is before any reader tries it.

#include <gtest/gtest.h>

#include "import/workbook/chosen_file.h"
#include "import_fixture.h"

namespace tw::test {
namespace {

using import::ChosenKind;

// The message with which the chosen file's import is refused ("" if it is not).
std::string import_refusal(const import::ChosenFile& file, const import::ImportOptions& options) {
    try {
        import::import_chosen_file(file, options, "with --sheet");
    } catch (const import::ImportError& e) {
        return e.what();
    }
    return "";
}

TEST(ChosenFile, TheProgramsOwnDataFileAndAMissingFileGoToTheRunAsTheyStand) {
    const auto data = import::open_chosen_file(fixture_path("ponds_typed.txt"));
    EXPECT_EQ(data.kind, ChosenKind::DataFile);
    EXPECT_TRUE(import::runs_as_it_stands(data));
    EXPECT_TRUE(data.text.empty()) << "a data file is the run's to read";
    // Given to the import all the same, it is refused by name.
    EXPECT_NE(import_refusal(data, {}).find("ponds_typed.txt\" is the program's own data file"),
              std::string::npos);

    const auto missing = import::open_chosen_file("/no/such/table.csv");
    EXPECT_EQ(missing.kind, ChosenKind::Unopened);
    EXPECT_TRUE(import::runs_as_it_stands(missing));
    EXPECT_EQ(import_refusal(missing, {}), "There is no table \"/no/such/table.csv\".");
}

TEST(ChosenFile, ATextTableIsReadOnceAndImportedWithItsSeparatorAndDecimalMark) {
    const auto csv = import::open_chosen_file(fixture_path("r_write_csv.csv"));
    ASSERT_EQ(csv.kind, ChosenKind::TextTable) << csv.refusal;
    EXPECT_FALSE(import::runs_as_it_stands(csv));
    EXPECT_EQ(import::table_cells(csv, {}).rows(), 9u);
    const auto imported = import::import_chosen_file(csv, {}, "with --sheet");
    EXPECT_EQ(imported.summary.separator, import::Separator::Comma);
    EXPECT_EQ(imported.table.title, "r_write_csv") << "titled by the table's name";

    // Excel's "Unicode text" in a country that writes 12,5: UTF-16, tabs, decimal commas.
    std::string utf16 = "\xFF\xFE";
    for (char ch : std::string("Station\tA\tB\r\nS1\t12,5\t2\r\nS2\t0,25\t4\r\n")) {
        utf16 += ch;
        utf16 += '\0';
    }
    const auto tsv = import::open_chosen_file(write_input_file("counts.tsv", utf16));
    ASSERT_EQ(tsv.kind, ChosenKind::TextTable) << tsv.refusal;
    const auto counts = import::import_chosen_file(tsv, stations_as_rows(), "with --sheet");
    EXPECT_EQ(counts.summary.separator, import::Separator::Tab);
    EXPECT_EQ(counts.summary.decimal_mark, import::DecimalMark::Comma);
    EXPECT_EQ(counts.table.values[0][0], "12.5");
    EXPECT_EQ(counts.table.values[1][0], "0.25");
}

TEST(ChosenFile, ARowLengthFaultThatADecimalCommaExplainsSaysSo) {
    const auto commas = import::open_chosen_file(
        write_input_file("decimal.csv", "Station,A,B\nS1,1,5,2\nS2,3,4\n"));
    EXPECT_NE(import_refusal(commas, {}).find("written with a decimal comma (as 3,5)"),
              std::string::npos);
    // Whole numbers with blanks after the commas: the same fault, no such note.
    const auto blanks = import::open_chosen_file(
        write_input_file("short.csv", "Station, A, B\nS1, 1, 5, 2\nS2, 3, 4\n"));
    const std::string message = import_refusal(blanks, {});
    EXPECT_NE(message.find(" cells where the first row has "), std::string::npos) << message;
    EXPECT_EQ(message.find("decimal comma"), std::string::npos) << message;
}

TEST(ChosenFile, AWorkbooksSheetsAreListedAndASheetWithoutNumbersNamesTheOthers) {
    for (const char* name : {"ponds.xlsx", "ponds.ods"}) {
        SCOPED_TRACE(name);
        const auto book = import::open_chosen_file(fixture_path(name));
        ASSERT_EQ(book.kind, ChosenKind::Workbook) << book.refusal;
        EXPECT_EQ(book.sheets, (std::vector<std::string>{"Counts", "Notes"}));
        EXPECT_EQ(import::import_chosen_file(book, {}, "with --sheet").summary.stations, 8);
        import::ImportOptions notes;
        notes.sheet = "Notes";
        EXPECT_NE(import_refusal(book, notes)
                      .find(" The sheet \"Notes\" holds no numbers; the workbook's other sheets "
                            "are \"Counts\": choose the one with the counts with --sheet."),
                  std::string::npos)
            << import_refusal(book, notes);
    }
}

TEST(ChosenFile, PdfPictureZipOldWorkbookAndBinaryAreRefusedNamingTheFile) {
    const std::string zeros(40, '\0');
    const struct {
        const char* name;
        std::string bytes;
        const char* said;
    } cases[] = {
        {"survey.csv", "%PDF-1.7\n1 0 obj\n<< /Type /Catalog >>\nendobj\n" + zeros,
         "is a PDF document, not a table"},
        {"plot.csv", std::string("\x89PNG\r\n\x1A\n", 8) + zeros, "is a picture, not a table"},
        {"photo.txt", "\xFF\xD8\xFF\xE0" + zeros, "is a picture, not a table"},
        {"bundle.xlsx", "PK\x03\x04" + std::string(26, '\0') + "notes/readme.txt" + zeros,
         "is a zip archive that holds no spreadsheet"},
        {"bundle.zip", "PK\x03\x04" + std::string(26, '\0') + "notes/readme.txt" + zeros,
         "is a zip archive that holds no spreadsheet"},
        {"old.csv", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + zeros,
         "is an older Excel workbook (.xls)"},
        {"dump.csv", "ab\x01\x02" + zeros, "is not text and not a workbook: it holds binary data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = write_input_file(c.name, c.bytes);
        const auto file = import::open_chosen_file(path);
        EXPECT_EQ(file.kind, ChosenKind::NotATable);
        EXPECT_FALSE(import::runs_as_it_stands(file));
        EXPECT_NE(file.refusal.find("The file \"" + path + "\" " + c.said), std::string::npos)
            << file.refusal;
        EXPECT_EQ(import_refusal(file, {}), file.refusal);
    }
}

}  // namespace
}  // namespace tw::test
