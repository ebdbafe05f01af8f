#pragma once
// "Import a Table": shows how a spreadsheet or R table will be read (the
// first rows, what was detected, the counts), lets the user change each
// choice, and on OK writes the program's data file.

#include <QDialog>
#include <functional>
#include <optional>

#include "import/cell_grid.h"
#include "import/table_import.h"
#include "import/workbook/chosen_file.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tw::ui {

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    // The chosen file as read once by import::open_chosen_file; a file that
    // is no table shows why and cannot be imported.
    explicit ImportDialog(import::ChosenFile table, QWidget* parent = nullptr);
    explicit ImportDialog(const QString& table_path, QWidget* parent = nullptr);

    // The data file written when the dialog was accepted.
    QString data_file() const { return written_; }

    QLabel* TableFile;
    QComboBox* SheetBox;
    QComboBox* SeparatorBox;
    QComboBox* DecimalBox;
    QComboBox* ShapeBox;
    QComboBox* LabelBox;
    QComboBox* GroupBox;
    QComboBox* LongStationBox;
    QComboBox* LongSpeciesBox;
    QComboBox* LongValueBox;
    QCheckBox* MissingZeroCheck;
    QLineEdit* TitleEdit;
    QLineEdit* DataFileEdit;
    QPushButton* DataFileButton;
    QTableWidget* Preview;
    QLabel* Detected;
    QLabel* Counts;
    QLabel* Problem;
    QPushButton* OkButton;
    QPushButton* CancelButton;

  private slots:
    void on_SheetBox_activated();
    void on_SeparatorBox_activated();
    void on_DecimalBox_activated();
    void on_ShapeBox_activated();
    void on_ColumnBox_activated();
    void on_MissingZeroCheck_toggled();
    void on_DataFileButton_clicked();
    void on_OkButton_clicked();

  private:
    // Shades the preview's cell at fault (the whole row for column 0) and scrolls to it.
    void mark_fault(int row, int column);
    void build_layout();
    void load_grid();
    void reimport();
    import::ImportedTable import_table() const;
    void show_choices();
    void show_preview();
    void show_raw_preview();
    void fill_headings(QComboBox* box, const std::vector<std::string>& names,
                       const QString& first_entry);

    QFormLayout* choices_ = nullptr;
    import::ChosenFile table_;
    bool workbook_ = false;  // named as one: its sheets are chosen, not a separator
    std::string load_error_;
    import::CellGrid grid_;
    import::ImportOptions options_;
    std::optional<import::ImportedTable> imported_;
    QString written_;
};

// Opens the dialog for the table and returns the data file written, or ""
// when the user cancelled. Tests and scripted sessions install a hook that
// gets the dialog instead of it being shown modally.
using ImportDialogHook = std::function<QString(ImportDialog& dialog)>;
void set_import_dialog_hook(ImportDialogHook hook);
QString run_import_dialog(QWidget* parent, import::ChosenFile table);

}  // namespace tw::ui
