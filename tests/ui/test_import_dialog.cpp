// Choosing a spreadsheet or R table in the options window's input box opens
// the import dialog; OK writes the data file and puts its name in the box.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "ui/file_chooser.h"
#include "ui/import_dialog.h"
#include "ui/options_window.h"
#include "ui_fixture.h"

namespace tw::ui::test {
namespace {

namespace fs = std::filesystem;

// A copy of an import fixture in a fresh folder, so that the data file
// written next to it lands there.
QString table_copy(const std::string& fixture, const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir = fs::temp_directory_path() / "tarnwick-import-dialog" / info->name();
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(TARNWICK_IMPORT_FIXTURES) / fixture, dir / name);
    return QString::fromStdString((dir / name).string());
}

QString table_with(const std::string& contents) {
    const QString path = table_copy("r_write_csv.csv", "table.csv");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents.data(), static_cast<qint64>(contents.size()));
    return path;
}

void choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

class ImportDialogTest : public WindowTest {
  protected:
    void TearDown() override {
        set_file_provider({});
        set_import_dialog_hook({});
        WindowTest::TearDown();
    }
    // Clicks the input box with the chooser answering `table`.
    void choose_input(const QString& table) {
        set_file_provider([table](const QString&, FileUse) { return table; });
        session->start();
        QTest::mouseClick(session->options_window().input_file_edit, Qt::LeftButton);
    }
};

TEST_F(ImportDialogTest, ChosenTableShowsWhatWasDetectedAndOkPutsTheDataFileInTheInputBox) {
    const QString table = table_copy("r_write_csv2.csv", "ponds.csv");
    int shown = 0;
    set_import_dialog_hook([&](ImportDialog& d) {
        ++shown;
        EXPECT_EQ(d.Counts->text(), "8 stations x 5 species in 3 groups");
        EXPECT_EQ(d.SeparatorBox->currentText(), "Semicolon");
        EXPECT_EQ(d.DecimalBox->currentIndex(), 1);
        EXPECT_EQ(d.ShapeBox->currentText(), "Stations as rows");
        EXPECT_EQ(d.GroupBox->currentText(), "Management");
        EXPECT_TRUE(d.Detected->text().contains("reordered"));
        EXPECT_EQ(d.Preview->item(1, 0)->text(), "P3");
        EXPECT_EQ(d.Preview->item(0, 2)->text(), "12.5");
        EXPECT_TRUE(d.DataFileEdit->text().endsWith("ponds.txt"));
        EXPECT_EQ(d.TitleEdit->text(), "ponds");
        d.TitleEdit->setText("'Pond survey'");
        d.OkButton->click();
        return d.data_file();
    });
    choose_input(table);
    EXPECT_EQ(shown, 1);
    const QString written = session->options_window().input_file_edit->text();
    EXPECT_TRUE(written.endsWith("ponds.txt")) << written.toStdString();
    QFile out(written);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    QFile expected(QString(TARNWICK_IMPORT_FIXTURES) + "/ponds_expected.txt");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), expected.readAll());
    EXPECT_TRUE(QFileInfo::exists(written.chopped(4) + ".groups.csv"));
}

TEST_F(ImportDialogTest, TheProgramsOwnDataFileGoesStraightIntoTheBox) {
    const QString data = table_copy("ponds_typed.txt", "ponds.txt");
    set_import_dialog_hook([](ImportDialog&) {
        ADD_FAILURE() << "a data file was offered for import";
        return QString();
    });
    choose_input(data);
    EXPECT_EQ(session->options_window().input_file_edit->text(), data);
}

TEST_F(ImportDialogTest, CancelLeavesTheInputBoxAndWritesNothing) {
    const QString table = table_copy("excel_utf8.csv", "ponds.csv");
    session->options_window().input_file_edit->setText("before.txt");
    set_import_dialog_hook([](ImportDialog& d) {
        d.CancelButton->click();
        return d.data_file();
    });
    choose_input(table);
    EXPECT_EQ(session->options_window().input_file_edit->text(), "before.txt");
    EXPECT_FALSE(fs::exists(fs::path(table.toStdString()).replace_extension(".txt")));
}

TEST_F(ImportDialogTest, ABadCellBlocksOkUntilTheUserChoosesWhatToDo) {
    ImportDialog d(table_with("Station,Zone,A,B\nS1,x,1,NA\nS2,y,2,3\nS3,x,0,1\n"));
    EXPECT_FALSE(d.OkButton->isEnabled());
    EXPECT_TRUE(d.Problem->text().startsWith("Line 2, column 4"))
        << d.Problem->text().toStdString();
    d.MissingZeroCheck->click();
    EXPECT_TRUE(d.OkButton->isEnabled());
    EXPECT_TRUE(d.Detected->text().contains("1 missing value was read as 0."));
    // Turning the grouping off makes its text a species of words: refused again.
    choose(d.GroupBox, 0);
    EXPECT_FALSE(d.OkButton->isEnabled());
    EXPECT_TRUE(d.Problem->text().contains("\"x\" is not a number"));
}

TEST_F(ImportDialogTest, LayoutAndSeparatorChangesAreReadAgain) {
    ImportDialog d(table_with("\"\",\"a\",\"b\",\"c\"\n\"x\",1,2,3\n\"y\",4,5,6\n"));
    EXPECT_EQ(d.Counts->text(), "2 stations x 3 species, not grouped");
    EXPECT_TRUE(d.Detected->text().contains("does not show whether"));
    choose(d.ShapeBox, 1);
    EXPECT_EQ(d.Counts->text(), "3 stations x 2 species, not grouped");
    EXPECT_FALSE(d.Detected->text().contains("does not show whether"));
    choose(d.SeparatorBox, 1);  // semicolons: one column only
    EXPECT_FALSE(d.OkButton->isEnabled());
    EXPECT_FALSE(d.Problem->text().isEmpty());
}

TEST_F(ImportDialogTest, WorkbookSheetsAreOfferedAndTheSeparatorIsNot) {
    ImportDialog d(table_copy("ponds.ods", "ponds.ods"));
    EXPECT_EQ(d.SheetBox->count(), 2);
    EXPECT_FALSE(d.SeparatorBox->isEnabled());
    EXPECT_EQ(d.Counts->text(), "8 stations x 5 species in 3 groups");
    choose(d.SheetBox, 1);  // "Notes": one cell of text
    EXPECT_FALSE(d.OkButton->isEnabled());
    EXPECT_TRUE(d.Problem->text().contains(
        QStringLiteral("the workbook's other sheets are \"%1\"").arg(d.SheetBox->itemText(0))))
        << d.Problem->text().toStdString();
}

}  // namespace
}  // namespace tw::ui::test
