#include "ui/import_dialog.h"

#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "import/fault_place.h"
#include "import/group_names_file.h"
#include "import/import_error.h"
#include "import/table_files.h"
#include "import/workbook/workbook.h"
#include "ui/file_chooser.h"
#include "ui/message_box.h"
#include "ui/window_placement.h"

namespace tw::ui {

namespace {

using import::ColumnChoice;
using import::DecimalMark;
using import::Orientation;
using import::Separator;

// Enough rows to fill the preview on a tall screen; it scrolls on a short one.
constexpr int kPreviewRows = 60;
constexpr int kPreviewColumns = 12;
const char* const kCaption = "Import a Table";
const char* const kNoGrouping = "(no grouping)";
enum Shape { kRows = 0, kColumns = 1, kLong = 2 };

QString qt(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string core(const QString& s) {
    return s.toStdString();
}

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QComboBox* combo(const char* name, const QStringList& items = {}) {
    auto* box = named(new QComboBox, name);
    box->addItems(items);
    return box;
}

// The heading behind the entry chosen (entries may show a stand-in text).
std::string heading_of(const QComboBox* box) {
    return core(box->currentData().toString());
}

ImportDialogHook& hook() {
    static ImportDialogHook h;
    return h;
}

QString quoted(const std::string& s) {
    return QStringLiteral("\"") + qt(s) + QStringLiteral("\"");
}

}  // namespace

ImportDialog::ImportDialog(import::ChosenFile table, QWidget* parent)
    : QDialog(parent), table_(std::move(table)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QString::fromLatin1(kCaption));
    workbook_ = import::is_workbook_path(table_.path);
    build_layout();
    for (const auto& name : table_.sheets) SheetBox->addItem(qt(name));
    load_grid();
    reimport();
}

ImportDialog::ImportDialog(const QString& table_path, QWidget* parent)
    : ImportDialog(import::open_chosen_file(core(table_path)), parent) {}

void ImportDialog::build_layout() {
    TableFile = named(new QLabel(qt(table_.path)), "TableFile");
    TableFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SheetBox = combo("SheetBox");
    SeparatorBox = combo("SeparatorBox", {tr("Comma"), tr("Semicolon"), tr("Tab")});
    DecimalBox = combo("DecimalBox", {tr("Point (12.5)"), tr("Comma (12,5)")});
    ShapeBox = combo("ShapeBox", {tr("Stations as rows"), tr("Stations as columns"),
                                  tr("Long table: one row per station and species")});
    LabelBox = combo("LabelBox");
    GroupBox = combo("GroupBox");
    LongStationBox = combo("LongStationBox");
    LongSpeciesBox = combo("LongSpeciesBox");
    LongValueBox = combo("LongValueBox");
    MissingZeroCheck = named(new QCheckBox(tr("Read missing values (NA, ?, empty cells) as 0")),
                             "MissingZeroCheck");
    TitleEdit = named(new QLineEdit(QFileInfo(qt(table_.path)).completeBaseName()), "TitleEdit");
    DataFileEdit =
        named(new QLineEdit(qt(import::default_data_file_path(table_.path))), "DataFileEdit");
    DataFileButton = named(new QPushButton(tr("Browse...")), "DataFileButton");
    Preview = named(new QTableWidget, "Preview");
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Preview->verticalHeader()->hide();
    Preview->setMinimumHeight(220);
    Detected = named(new QLabel, "Detected");
    Detected->setWordWrap(true);
    Counts = named(new QLabel, "Counts");
    Counts->setStyleSheet(QStringLiteral("font-weight: bold"));
    Problem = named(new QLabel, "Problem");
    Problem->setWordWrap(true);
    Problem->setStyleSheet(QStringLiteral("color: #b00000"));
    OkButton = named(new QPushButton(tr("OK")), "OkButton");
    CancelButton = named(new QPushButton(tr("Cancel")), "CancelButton");
    OkButton->setDefault(true);

    auto* choices = new QFormLayout;
    choices_ = choices;
    choices->addRow(tr("Table:"), TableFile);
    choices->addRow(tr("Sheet:"), SheetBox);
    choices->addRow(tr("Separator:"), SeparatorBox);
    choices->addRow(tr("Decimal mark:"), DecimalBox);
    choices->addRow(tr("Layout:"), ShapeBox);
    choices->addRow(tr("Station labels:"), LabelBox);
    choices->addRow(tr("Grouping:"), GroupBox);
    choices->addRow(tr("Station column:"), LongStationBox);
    choices->addRow(tr("Species column:"), LongSpeciesBox);
    choices->addRow(tr("Abundance column:"), LongValueBox);
    choices->addRow(QString(), MissingZeroCheck);
    choices->addRow(tr("Title:"), TitleEdit);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(DataFileEdit, 1);
    file_row->addWidget(DataFileButton);
    choices->addRow(tr("Data file to write:"), file_row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(Counts);
    layout->addWidget(Detected);
    layout->addWidget(Problem);
    layout->addWidget(new QLabel(tr("The first rows as they will be read:")));
    layout->addWidget(Preview, 1);
    layout->addLayout(buttons);
    // As tall as the screen allows, so the preview shows as many rows as fit.
    const QRect screen = available_screen(this);
    resize(std::min(760, screen.width() - 32),
           std::max(minimumSizeHint().height(), screen.height() - 80));

    const auto activated = &QComboBox::activated;
    connect(SheetBox, activated, this, &ImportDialog::on_SheetBox_activated);
    connect(SeparatorBox, activated, this, &ImportDialog::on_SeparatorBox_activated);
    connect(DecimalBox, activated, this, &ImportDialog::on_DecimalBox_activated);
    connect(ShapeBox, activated, this, &ImportDialog::on_ShapeBox_activated);
    for (QComboBox* box : {LabelBox, GroupBox, LongStationBox, LongSpeciesBox, LongValueBox})
        connect(box, activated, this, &ImportDialog::on_ColumnBox_activated);
    connect(MissingZeroCheck, &QCheckBox::toggled, this,
            &ImportDialog::on_MissingZeroCheck_toggled);
    connect(DataFileButton, &QPushButton::clicked, this, &ImportDialog::on_DataFileButton_clicked);
    connect(OkButton, &QPushButton::clicked, this, &ImportDialog::on_OkButton_clicked);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// Reads the table's cells with the sheet or separator chosen so far.
void ImportDialog::load_grid() {
    grid_ = {};
    load_error_.clear();
    try {
        grid_ = import::table_cells(table_, options_);
    } catch (const import::ImportError& e) {
        load_error_ = e.what();
    }
}

void ImportDialog::reimport() {
    Problem->setText(qt(load_error_));
    imported_.reset();
    try {
        if (load_error_.empty()) imported_ = import_table();
    } catch (const import::ImportError& e) {
        Problem->setText(qt(e.what()));
    }
    OkButton->setEnabled(imported_.has_value());
    show_choices();
    if (imported_) {
        show_preview();
    } else {
        show_raw_preview();
    }
}

tw::import::ImportedTable ImportDialog::import_table() const {
    return import::import_cells(table_, grid_, options_, core(TitleEdit->text()), "under Sheet");
}

void ImportDialog::fill_headings(QComboBox* box, const std::vector<std::string>& names,
                                 const QString& first_entry) {
    const QSignalBlocker block(box);
    box->clear();
    if (!first_entry.isEmpty()) box->addItem(first_entry);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString shown =
            names[i].empty() ? tr("(no heading: column %1)").arg(i + 1) : qt(names[i]);
        box->addItem(shown, qt(names[i]));
    }
}

// Puts what the last import found (or the user chose) into the controls.
void ImportDialog::show_choices() {
    const QSignalBlocker b1(SeparatorBox), b2(DecimalBox), b3(ShapeBox), b4(SheetBox);
    SheetBox->setEnabled(workbook_);
    SeparatorBox->setEnabled(!workbook_);
    if (!table_.text.empty())
        SeparatorBox->setCurrentIndex(static_cast<int>(import::table_separator(table_, options_)));
    const auto* s = imported_ ? &imported_->summary : nullptr;
    const bool is_long = s ? s->long_table : options_.long_columns.has_value();
    const Orientation o =
        s ? s->orientation : options_.orientation.value_or(Orientation::StationsAsRows);
    DecimalBox->setCurrentIndex(
        static_cast<int>(s ? s->decimal_mark : options_.decimal_mark.value_or(DecimalMark::Point)));
    ShapeBox->setCurrentIndex(is_long                            ? kLong
                              : o == Orientation::StationsAsRows ? kRows
                                                                 : kColumns);

    const auto names = import::headings(grid_, is_long ? Orientation::StationsAsRows : o);
    fill_headings(LabelBox, names, QString());
    fill_headings(GroupBox, names, tr(kNoGrouping));
    for (QComboBox* box : {LongStationBox, LongSpeciesBox, LongValueBox})
        fill_headings(box, names, QString());
    // Only the choices that apply to this table and layout are shown.
    choices_->setRowVisible(SheetBox, workbook_);
    choices_->setRowVisible(SeparatorBox, !workbook_);
    choices_->setRowVisible(LabelBox, !is_long);
    for (QComboBox* box : {LongStationBox, LongSpeciesBox, LongValueBox})
        choices_->setRowVisible(box, is_long);
    if (!s) {
        Counts->clear();
        Detected->clear();
        return;
    }
    const QSignalBlocker b5(LabelBox), b6(GroupBox);
    LabelBox->setCurrentIndex(std::max(0, LabelBox->findData(qt(s->label_column))));
    GroupBox->setCurrentIndex(
        s->group_column.empty() ? 0 : std::max(0, GroupBox->findData(qt(s->group_column))));
    if (is_long) {
        const auto columns = options_.long_columns.value_or(import::LongColumns{});
        auto pick = [](QComboBox* box, const std::string& name, int first) {
            box->setCurrentIndex(name.empty() ? first : std::max(0, box->findData(qt(name))));
        };
        pick(LongStationBox, columns.station, 0);
        pick(LongSpeciesBox, columns.species, 1);
        pick(LongValueBox, columns.value, 2);
    }

    Counts->setText(qt(import::counts_text(*s)));
    QStringList lines;
    if (!s->long_table && !s->orientation_known) {
        lines << tr(
            "The table does not show whether its stations are the rows or the columns: "
            "check the layout above.");
    }
    lines << (s->label_column.empty() ? tr("Station labels from the column without a heading.")
                                      : tr("Station labels from %1.").arg(quoted(s->label_column)));
    if (!s->group_column.empty())
        lines << tr("Stations grouped by %1.").arg(quoted(s->group_column));
    for (const auto& note : import::import_notes(*s)) lines << qt(note);
    Detected->setText(lines.join(QLatin1Char('\n')));
}

void ImportDialog::show_preview() {
    Preview->verticalHeader()->hide();
    const auto& t = imported_->table;
    const bool grouped = !t.groups.empty();
    const int species = std::min<int>(static_cast<int>(t.species.size()), kPreviewColumns);
    const int rows = std::min<int>(static_cast<int>(t.stations.size()), kPreviewRows);
    const int first = grouped ? 2 : 1;
    Preview->clear();
    Preview->setColumnCount(first + species);
    Preview->setRowCount(rows);
    QStringList header{tr("Station")};
    if (grouped) header << tr("Group");
    for (int j = 0; j < species; ++j) header << qt(t.species[static_cast<std::size_t>(j)]);
    Preview->setHorizontalHeaderLabels(header);
    for (int i = 0; i < rows; ++i) {
        const auto r = static_cast<std::size_t>(i);
        Preview->setItem(i, 0, new QTableWidgetItem(qt(t.stations[r])));
        if (grouped) Preview->setItem(i, 1, new QTableWidgetItem(qt(t.groups[r])));
        for (int j = 0; j < species; ++j) {
            auto* item = new QTableWidgetItem(qt(t.values[r][static_cast<std::size_t>(j)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Preview->setItem(i, first + j, item);
        }
    }
    Preview->resizeColumnsToContents();
}

// When the table cannot be read as chosen, the cells as they stand, so that
// the user can see why.
void ImportDialog::show_raw_preview() {
    Preview->clear();
    // The rows shown start at the top, or around the row at fault when it
    // lies further down, so that it can be shown and marked.
    const import::FaultPlace fault = import::fault_place(core(Problem->text()));
    const auto line_of = [this](std::size_t r) {
        return r < grid_.row_numbers.size() ? grid_.row_numbers[r] : static_cast<int>(r) + 1;
    };
    int fault_row = -1;
    for (std::size_t r = 0; fault.row > 0 && r < grid_.rows(); ++r)
        if (line_of(r) == fault.row) fault_row = static_cast<int>(r);
    const int total = static_cast<int>(grid_.rows());
    const int first = fault_row > kPreviewRows ? std::min(fault_row - kPreviewRows / 2,
                                                          std::max(total - kPreviewRows - 1, 0))
                                               : 0;
    const int rows = std::min(total - first, kPreviewRows + 1);
    int columns = 0;
    for (int r = first; r < first + rows; ++r)
        columns =
            std::max(columns, static_cast<int>(grid_.cells[static_cast<std::size_t>(r)].size()));
    columns = std::min(columns, std::max(kPreviewColumns + 1, fault.column));
    Preview->setRowCount(rows);
    Preview->setColumnCount(columns);
    QStringList lines;
    for (int i = 0; i < rows; ++i) {
        const auto r = static_cast<std::size_t>(first + i);
        lines << QString::number(line_of(r));
        const auto& row = grid_.cells[r];
        for (int c = 0; c < columns && c < static_cast<int>(row.size()); ++c)
            Preview->setItem(i, c, new QTableWidgetItem(qt(row[static_cast<std::size_t>(c)])));
    }
    // The file's own line numbers, which the message names.
    Preview->setVerticalHeaderLabels(lines);
    Preview->verticalHeader()->show();
    Preview->resizeColumnsToContents();
    if (fault_row >= 0) mark_fault(fault_row - first, fault.column);
}

void ImportDialog::mark_fault(int row, int column) {
    const QBrush shade(QColor(255, 205, 205));
    const int first_column = column > 0 ? column - 1 : 0;
    const int last_column = column > 0 ? column - 1 : Preview->columnCount() - 1;
    for (int c = first_column; c <= last_column && c < Preview->columnCount(); ++c) {
        QTableWidgetItem* item = Preview->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            Preview->setItem(row, c, item);
        }
        item->setBackground(shade);
        item->setToolTip(Problem->text());
        item->setData(Qt::UserRole, QStringLiteral("fault"));
    }
    if (first_column < Preview->columnCount()) {
        Preview->setCurrentCell(row, first_column);
        Preview->scrollToItem(Preview->item(row, first_column),
                              QAbstractItemView::PositionAtCenter);
    }
}

void ImportDialog::on_SheetBox_activated() {
    options_.sheet = core(SheetBox->currentText());
    options_.label_column = ColumnChoice::detect();
    options_.group_column = ColumnChoice::detect();
    load_grid();
    reimport();
}

void ImportDialog::on_SeparatorBox_activated() {
    options_.separator = static_cast<Separator>(SeparatorBox->currentIndex());
    load_grid();
    reimport();
}

void ImportDialog::on_DecimalBox_activated() {
    options_.decimal_mark = static_cast<DecimalMark>(DecimalBox->currentIndex());
    reimport();
}

void ImportDialog::on_ShapeBox_activated() {
    const int shape = ShapeBox->currentIndex();
    options_.label_column = ColumnChoice::detect();
    options_.group_column = ColumnChoice::detect();
    options_.long_columns.reset();
    options_.detect_long = false;
    if (shape == kLong) {
        options_.long_columns = import::LongColumns{};
    } else {
        options_.orientation =
            shape == kRows ? Orientation::StationsAsRows : Orientation::StationsAsColumns;
    }
    reimport();
}

void ImportDialog::on_ColumnBox_activated() {
    if (ShapeBox->currentIndex() == kLong) {
        options_.long_columns = import::LongColumns{
            heading_of(LongStationBox), heading_of(LongSpeciesBox), heading_of(LongValueBox)};
    } else {
        options_.label_column = ColumnChoice::named(heading_of(LabelBox));
    }
    options_.group_column = GroupBox->currentIndex() == 0
                                ? ColumnChoice::none()
                                : ColumnChoice::named(heading_of(GroupBox));
    reimport();
}

void ImportDialog::on_MissingZeroCheck_toggled() {
    options_.missing_as_zero = MissingZeroCheck->isChecked();
    reimport();
}

void ImportDialog::on_DataFileButton_clicked() {
    const QString name = choose_file(this, tr("Data file to write"), FileUse::Save,
                                     QString::fromLatin1(file_filter::kData));
    if (!name.isEmpty()) DataFileEdit->setText(name);
}

void ImportDialog::on_OkButton_clicked() {
    const QString path = DataFileEdit->text().trimmed();
    if (path.isEmpty()) {
        Problem->setText(tr("Name the data file to write."));
        return;
    }
    if (QFileInfo::exists(path) && ask_box(this, QString::fromLatin1(kCaption),
                                           tr("The file %1 already exists. Replace it?").arg(path),
                                           Buttons::YesNo) != Answer::Yes) {
        return;
    }
    options_.title = core(TitleEdit->text());
    try {
        import::save_imported_table(core(path), import_table(), table_.path);
    } catch (const import::ImportError& e) {
        ask_box(this, QString::fromLatin1(kCaption), qt(e.what()), Buttons::Ok);
        return;
    }
    written_ = path;
    accept();
}

void set_import_dialog_hook(ImportDialogHook h) {
    hook() = std::move(h);
}

QString run_import_dialog(QWidget* parent, import::ChosenFile table) {
    ImportDialog dialog(std::move(table), parent);
    if (hook()) return hook()(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.data_file() : QString();
}

}  // namespace tw::ui
