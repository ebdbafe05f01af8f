// Files chosen as tables that are not tables are named for what they are
// before any reader tries them, a row-length fault that a decimal comma
// explains says so, and the preview marks the cell at fault.

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

// Which files are refused, and in what words, is the import's own (tests/import/
// test_chosen_file.cpp); the dialog shows the words and offers no OK.
TEST_F(NotATable, AFileThatIsNoTableIsNamedAndCannotBeImported) {
    const QString pdf = file_with("survey.csv", "%PDF-1.7\n1 0 obj\n<< /Type /Catalog >>\n");
    ImportDialog d(pdf);
    EXPECT_FALSE(d.OkButton->isEnabled());
    EXPECT_TRUE(d.Problem->text().contains(pdf + "\" is a PDF document, not a table"))
        << d.Problem->text().toStdString();
}

TEST_F(NotATable, ARowLengthFaultADecimalCommaExplainsSaysSo) {
    ImportDialog commas(file_with("decimal.csv", "Station,A,B\nS1,1,5,2\nS2,3,4\n"));
    EXPECT_FALSE(commas.OkButton->isEnabled());
    EXPECT_TRUE(commas.Problem->text().contains(QStringLiteral("decimal comma")))
        << commas.Problem->text().toStdString();
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
