#include "ui/form2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "import/table_files.h"
#include "ui/browse_button.h"
#include "ui/file_chooser.h"
#include "ui/form3.h"
#include "ui/import_dialog.h"
#include "ui/key_relay.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::ui {

namespace {

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

std::string to_core(const QString& s) {
    return s.toStdString();
}

const QString kInputFilter = QStringLiteral(
    "Data files and tables (*.txt *.dat *.csv *.tsv *.tab *.xlsx *.ods);;"
    "Data files (*.txt *.dat);;Tables (*.csv *.tsv *.tab *.txt *.xlsx *.ods);;All files (*)");

// The program's own data file goes straight into the box; anything else is a
// table to import.
bool is_data_file(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return true;  // the run reports what it cannot read
    const QByteArray head = file.read(4096);
    return import::is_data_file(
        to_core(name), std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
}

}  // namespace

Form2::Form2(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("I/O and Data Options"));
    build();
    connect_events();
}

void Form2::build() {
    Label1 = named(
        new QLabel(QStringLiteral("Enter the name of the file from which to read the input data ")),
        "Label1");
    Text1 = named(new QLineEdit, "Text1");
    Label2 = named(new QLabel(QStringLiteral("Enter the name for the output file")), "Label2");
    Text2 = named(new QLineEdit, "Text2");
    Label3 =
        named(new QLabel(QStringLiteral("Enter the name for the Average Matrix file")), "Label3");
    Text3 = named(new QLineEdit, "Text3");
    Label4 = named(new QLabel(QStringLiteral("Constant:")), "Label4");
    Text4 = named(new QLineEdit(QStringLiteral("1")), "Text4");
    Label5 =
        named(new QLabel(QStringLiteral("Linkage Level to Begin Saving Cluster Labels")), "Label5");
    savelinks = named(new QLineEdit(QStringLiteral("100")), "savelinks");

    Frame1 = named(new QGroupBox(QStringLiteral("Output Mode")), "Frame1");
    Option1 = named(new QRadioButton(QStringLiteral("Screen")), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Printer")), "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("File")), "Option3");
    // The report goes to a file unless the user picks a device: the choice
    // that loses nothing when the window is confirmed untouched.
    Option3->setChecked(true);
    auto* output_layout = new QVBoxLayout(Frame1);
    for (QRadioButton* o : {Option1, Option2, Option3}) output_layout->addWidget(o);

    Frame2 = named(new QGroupBox(QStringLiteral("Transformation")), "Frame2");
    Option4 = named(new QRadioButton(QStringLiteral("ln(X+1)")), "Option4");
    Option5 = named(new QRadioButton(QStringLiteral("Binary")), "Option5");
    Option6 = named(new QRadioButton(QStringLiteral("Square root")), "Option6");
    Option7 = named(new QRadioButton(QStringLiteral("Fourth root")), "Option7");
    // All may be off (no transformation), which exclusive buttons cannot be:
    // the click handlers keep them one-of-four instead.
    auto* transform_layout = new QHBoxLayout(Frame2);
    for (QRadioButton* o : transform_options()) {
        o->setAutoExclusive(false);
        transform_layout->addWidget(o);
    }
    transform_layout->addStretch();
    // Independent of the transformation: relative abundances may be
    // analysed as they are or transformed.
    Standardise = named(new QCheckBox(QStringLiteral(
                            "Standardise each station to its total (relative abundance, %)")),
                        "Standardise");

    Check1 = named(new QCheckBox(QStringLiteral("Multiply data by a constant")), "Check1");
    Check2 = named(new QCheckBox(QStringLiteral("Transform these data")), "Check2");
    Check3 =
        named(new QCheckBox(QStringLiteral("Print Average Abundance Matrix to a file")), "Check3");
    CheckData = named(new QCheckBox(QStringLiteral("by-pass data format check")), "CheckData");
    sim_matrix = named(new QCheckBox(QStringLiteral("Output Similarity Matrix")), "sim_matrix");
    all_matrix = named(new QCheckBox(QStringLiteral("Output All Subsequent Similarity Matricies")),
                       "all_matrix");
    PicBox1 = new TextPanel(QStringLiteral("PicBox1"));
    PicBox1->setMinimumHeight(150);
    Command1 = named(new QPushButton(QStringLiteral("Continue")), "Command1");
    Exit2 = named(new QPushButton(QStringLiteral("Exit")), "Exit2");

    auto* files = new QGridLayout;
    files->addWidget(Label1, 0, 0);
    files->addWidget(Text1, 0, 1);
    files->addWidget(Label2, 1, 0);
    files->addWidget(Text2, 1, 1);
    files->addWidget(Label3, 2, 0);
    files->addWidget(Text3, 2, 1);
    Browse1 = browse_button_for(Text1, "Browse1");
    Browse2 = browse_button_for(Text2, "Browse2");
    Browse3 = browse_button_for(Text3, "Browse3");
    files->addWidget(Browse1, 0, 2);
    files->addWidget(Browse2, 1, 2);
    files->addWidget(Browse3, 2, 2);
    files->setColumnStretch(1, 1);

    auto* constant = new QHBoxLayout;
    constant->addWidget(Check1);
    constant->addWidget(Label4);
    constant->addWidget(Text4);
    constant->addStretch();
    Text4->setMaximumWidth(90);
    auto* options = new QVBoxLayout;
    options->addLayout(constant);
    options->addWidget(Check2);
    options->addWidget(Frame2);
    options->addWidget(Standardise);
    options->addWidget(Check3);
    options->addWidget(CheckData);
    options->addWidget(sim_matrix);
    options->addWidget(all_matrix);
    options->addStretch();

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addStretch();
    middle->addLayout(left);
    middle->addSpacing(12);
    middle->addLayout(options, 1);

    auto* levels = new QHBoxLayout;
    levels->addWidget(Label5);
    levels->addWidget(savelinks);
    savelinks->setMaximumWidth(90);
    levels->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Exit2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(middle);
    layout->addLayout(levels);
    layout->addWidget(PicBox1, 1);
    layout->addLayout(buttons);
    resize(720, 560);

    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Text3, Label4, Text4, Frame2}) {
        w->hide();
    }
}

void Form2::connect_events() {
    connect(ClickRelay::watch(Text1), &ClickRelay::clicked, this, &Form2::on_Text1_clicked);
    connect(ClickRelay::watch(Text2), &ClickRelay::clicked, this, &Form2::on_Text2_clicked);
    connect(ClickRelay::watch(Text3), &ClickRelay::clicked, this, &Form2::on_Text3_clicked);
    connect(Text1, &QLineEdit::returnPressed, this, &Form2::on_Text1_returnPressed);
    // The file dialogs start in the data file's folder until the user has
    // chosen a file elsewhere.
    connect(Text1, &QLineEdit::textChanged, this, &Form2::on_Text1_textChanged);
    connect(Text2, &QLineEdit::returnPressed, this, &Form2::on_Text2_returnPressed);
    connect(Text3, &QLineEdit::returnPressed, this, &Form2::on_Text3_returnPressed);
    connect(Option1, &QRadioButton::clicked, this, &Form2::on_Option1_clicked);
    connect(Option2, &QRadioButton::clicked, this, &Form2::on_Option2_clicked);
    connect(Option3, &QRadioButton::clicked, this, &Form2::on_Option3_clicked);
    connect(Option4, &QRadioButton::clicked, this, &Form2::on_Option4_clicked);
    connect(Option5, &QRadioButton::clicked, this, &Form2::on_Option5_clicked);
    connect(Option6, &QRadioButton::clicked, this, &Form2::on_Option6_clicked);
    connect(Option7, &QRadioButton::clicked, this, &Form2::on_Option7_clicked);
    connect(Check1, &QCheckBox::clicked, this, &Form2::on_Check1_clicked);
    connect(Check2, &QCheckBox::clicked, this, &Form2::on_Check2_clicked);
    connect(Check3, &QCheckBox::clicked, this, &Form2::on_Check3_clicked);
    connect(Browse1, &QPushButton::clicked, this, &Form2::on_Text1_clicked);
    connect(Browse2, &QPushButton::clicked, this, &Form2::on_Text2_clicked);
    connect(Browse3, &QPushButton::clicked, this, &Form2::on_Text3_clicked);
    connect(Command1, &QPushButton::clicked, this, &Form2::on_Command1_clicked);
    connect(KeyRelay::watch(Command1), &KeyRelay::keyPressed, this, &Form2::on_Command1_keyPressed);
    connect(Exit2, &QPushButton::clicked, this, &Form2::on_Exit2_clicked);
}

void Form2::read_settings(RunSettings& s) const {
    s.input_file = to_core(Text1->text());
    // Screen and Printer are tested first; the file is taken only when
    // neither is on.
    s.output_mode = Option1->isChecked()   ? OutputMode::Screen
                    : Option2->isChecked() ? OutputMode::Printer
                                           : OutputMode::File;
    s.output_file = to_core(Text2->text());
    s.average_file = to_core(Text3->text());
    s.multiply = Check1->isChecked();
    s.constant_text = to_core(Text4->text());
    s.transform_ln = Option4->isChecked();
    s.transform_binary = Option5->isChecked();
    s.transform_sqrt = Option6->isChecked();
    s.transform_fourth_root = Option7->isChecked();
    s.standardise = Standardise->isChecked();
    s.print_average = Check3->isChecked();
    s.bypass_check = CheckData->isChecked();
    s.sim_matrix = sim_matrix->isChecked();
    s.all_matrix = all_matrix->isChecked();
    s.savelinks_text = to_core(savelinks->text());
}

void Form2::choose_into(QLineEdit* box, const QString& caption, FileUse use, const char* filter) {
    const QString name = choose_file(this, caption, use, QString::fromLatin1(filter));
    if (!name.isEmpty()) box->setText(name);
}

// A spreadsheet or R table is imported into a data file first; the data
// file's name then goes into the box.
void Form2::on_Text1_clicked() {
    const QString name =
        choose_file(this, QStringLiteral("Input data file"), FileUse::Open, kInputFilter);
    if (!name.isEmpty()) take_input_file(name);
}

void Form2::take_input_file(const QString& name) {
    if (is_data_file(name)) {
        Text1->setText(name);
        return;
    }
    const QString data_file = run_import_dialog(this, name);
    if (!data_file.isEmpty()) Text1->setText(data_file);
}
void Form2::on_Text2_clicked() {
    const QString name = choose_file(this, QStringLiteral("Output file"), FileUse::Save,
                                     QString::fromLatin1(file_filter::kReport));
    if (name.isEmpty()) return;
    Text2->setText(name);
    report_asked_ = name;
}
void Form2::on_Text3_clicked() {
    choose_into(Text3, QStringLiteral("Average Matrix file"), FileUse::Save, file_filter::kTable);
}

void Form2::on_Text1_textChanged(const QString& text) {
    remember_data_file(text);
}

void Form2::on_Text1_returnPressed() {
    show_output_file(true);
    Text2->setFocus();
}
void Form2::on_Text2_returnPressed() {
    Command1->setFocus();
}
void Form2::on_Text3_returnPressed() {
    Command1->setFocus();
}

void Form2::show_output_file(bool visible) {
    Label2->setVisible(visible);
    Text2->setVisible(visible);
}

void Form2::on_Option1_clicked() {
    show_output_file(false);
}
void Form2::on_Option2_clicked() {
    show_output_file(false);
}
void Form2::on_Option3_clicked() {
    show_output_file(true);
    Text2->setFocus();
}

std::array<QRadioButton*, 4> Form2::transform_options() const {
    return {Option4, Option5, Option6, Option7};
}

void Form2::choose_transform_option(QRadioButton* chosen) {
    for (QRadioButton* o : transform_options()) o->setChecked(o == chosen);
}

void Form2::on_Option4_clicked() {
    choose_transform_option(Option4);
}
void Form2::on_Option5_clicked() {
    choose_transform_option(Option5);
}
void Form2::on_Option6_clicked() {
    choose_transform_option(Option6);
}
void Form2::on_Option7_clicked() {
    choose_transform_option(Option7);
}

void Form2::on_Check1_clicked() {
    const bool on = Check1->isChecked();
    Label4->setVisible(on);
    Text4->setVisible(on);
    if (on) {
        Text4->setFocus();
    } else {
        Text4->setText(QStringLiteral(" "));
    }
}

void Form2::on_Check2_clicked() {
    const bool on = Check2->isChecked();
    Frame2->setVisible(on);
    if (!on) choose_transform_option(nullptr);
}

void Form2::on_Check3_clicked() {
    Label3->show();
    Text3->show();
    Text3->setFocus();
}

QString Form2::input_file() const {
    return Text1->text();
}

void Form2::set_start_enabled(bool enabled) {
    Command1->setEnabled(enabled);
}

void Form2::clear_messages() {
    PicBox1->clear();
}

void Form2::focus_messages() {
    PicBox1->setFocus();
}

void Form2::focus_report_file() {
    Text2->setFocus();
}

void Form2::focus_continue() {
    Command1->setFocus();
}

void Form2::on_Command1_clicked() {
    if (CheckData->isChecked()) {
        show_form3_unchecked();
    } else {
        session_.stages().open_data_check();
    }
}

void Form2::on_Command1_keyPressed(int) {
    show_form3_unchecked();
}

void Form2::show_form3_unchecked() {
    if (session_.stages().busy()) return;
    // The report header names the replicate sequence only when this run's
    // file was checked; one left over from an earlier check must not show.
    session_.context().ReplicateSequenceText.clear();
    session_.form3().clear_check_status();
    session_.show_window(Window::Method, true);
}

void Form2::on_Exit2_clicked() {
    session_.stages().request_end();
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
