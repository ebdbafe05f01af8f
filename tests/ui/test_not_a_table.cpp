// Files chosen as tables that are not tables are named for what they are
// before any reader tries them, and a row-length fault that a decimal comma
// explains says so.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <string>

#include "ui/import_dialog.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

namespace fs = std::filesystem;

QString file_with(const std::string& name, const std::string& bytes) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::temp_directory_path() / "tarnwick-not-a-table" / info->name();
    fs::create_directories(dir);
    const QString path = QString::fromStdString((dir / name).string());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

class NotATable : public WindowTest {};

TEST_F(NotATable, PdfPictureZipAndBinaryAreNamedAndRefused) {
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
        {"old.csv", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + zeros,
         "is an older Excel workbook (.xls)"},
        {"dump.csv", "ab\x01\x02" + zeros, "holds binary data"},
    };
    for (const auto& c : cases) {
        ImportDialog d(file_with(c.name, c.bytes));
        EXPECT_FALSE(d.OkButton->isEnabled()) << c.name;
        EXPECT_TRUE(d.Problem->text().contains(QString::fromUtf8(c.said)))
            << c.name << ": " << d.Problem->text().toStdString();
        EXPECT_TRUE(d.Problem->text().contains(QString::fromUtf8(c.name))) << c.name;
    }
}

TEST_F(NotATable, UnicodeTextIsStillATable) {
    // UTF-16 has a zero byte in every other place and is text all the same.
    std::string utf16 = "\xFF\xFE";
    for (char ch : std::string("Station,A,B\r\nS1,1,2\r\nS2,3,4\r\n")) {
        utf16 += ch;
        utf16 += '\0';
    }
    ImportDialog d(file_with("wide.csv", utf16));
    EXPECT_FALSE(d.Problem->text().contains(QStringLiteral("binary")))
        << d.Problem->text().toStdString();
}

TEST_F(NotATable, ARowLengthFaultADecimalCommaExplainsSaysSo) {
    ImportDialog commas(file_with("decimal.csv", "Station,A,B\nS1,1,5,2\nS2,3,4\n"));
    EXPECT_TRUE(commas.Problem->text().contains(QStringLiteral("decimal comma")))
        << commas.Problem->text().toStdString();
    // A fault in a table of whole numbers with spaces after the commas gets no such note.
    ImportDialog plain(file_with("short.csv", "Station, A, B\nS1, 1, 5, 2\nS2, 3, 4\n"));
    EXPECT_FALSE(plain.Problem->text().isEmpty());
    EXPECT_FALSE(plain.Problem->text().contains(QStringLiteral("decimal comma")));
}

TEST_F(NotATable, ThePreviewShowsAndMarksTheCellAtFaultFarDownTheTable) {
    std::string table = "Station,A,B\n";
    for (int i = 1; i <= 120; ++i)
        table += "S" + std::to_string(i) + (i == 100 ? ",4,many\n" : ",1,2\n");
    ImportDialog d(file_with("long.csv", table));
    ASSERT_FALSE(d.OkButton->isEnabled());
    ASSERT_TRUE(d.Problem->text().startsWith(QStringLiteral("Line 101, column 3")))
        << d.Problem->text().toStdString();
    const QTableWidgetItem* current = d.Preview->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(), "many");
    EXPECT_EQ(current->data(Qt::UserRole).toString(), "fault");
    EXPECT_EQ(d.Preview->verticalHeaderItem(current->row())->text(), "101")
        << "rows are labelled with the file's own line numbers";
}

}  // namespace
}  // namespace tw::ui::test
