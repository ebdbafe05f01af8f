#include "ui/options_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "import/workbook/chosen_file.h"
#include "ui/browse_button.h"
#include "ui/file_chooser.h"
#include "ui/import_dialog.h"
#include "ui/key_relay.h"
#include "ui/method_window.h"
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

}  // namespace

OptionsWindow::OptionsWindow(Session& session) : QWidget(nullptr), session_(session) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("I/O and Data Options"));
    build();
    connect_events();
}

void OptionsWindow::build() {
    input_label = named(
        new QLabel(QStringLiteral("Enter the name of the file from which to read the input data ")),
        "Label1");
    input_file_edit = named(new QLineEdit, "Text1");
    report_label =
        named(new QLabel(QStringLiteral("Enter the name for the output file")), "Label2");
    report_file_edit = named(new QLineEdit, "Text2");
    average_label =
        named(new QLabel(QStringLiteral("Enter the name for the Average Matrix file")), "Label3");
    average_file_edit = named(new QLineEdit, "Text3");
    constant_label = named(new QLabel(QStringLiteral("Constant:")), "Label4");
    constant_edit = named(new QLineEdit(QStringLiteral("1")), "Text4");
    savelinks_label =
        named(new QLabel(QStringLiteral("Linkage Level to Begin Saving Cluster Labels")), "Label5");
    savelinks_edit = named(new QLineEdit(QStringLiteral("100")), "savelinks");

    output_mode_frame = named(new QGroupBox(QStringLiteral("Output Mode")), "Frame1");
    screen_option = named(new QRadioButton(QStringLiteral("Screen")), "Option1");
    printer_option = named(new QRadioButton(QStringLiteral("Printer")), "Option2");
    file_option = named(new QRadioButton(QStringLiteral("File")), "Option3");
    // The report goes to a file unless the user picks a device: the choice
    // that loses nothing when the window is confirmed untouched.
    file_option->setChecked(true);
    auto* output_layout = new QVBoxLayout(output_mode_frame);
    for (QRadioButton* o : {screen_option, printer_option, file_option})
        output_layout->addWidget(o);

    transform_frame = named(new QGroupBox(QStringLiteral("Transformation")), "Frame2");
    ln_option = named(new QRadioButton(QStringLiteral("ln(X+1)")), "Option4");
    binary_option = named(new QRadioButton(QStringLiteral("Binary")), "Option5");
    sqrt_option = named(new QRadioButton(QStringLiteral("Square root")), "Option6");
    fourth_root_option = named(new QRadioButton(QStringLiteral("Fourth root")), "Option7");
    // All may be off (no transformation), which exclusive buttons cannot be:
    // the click handlers keep them one-of-four instead.
    auto* transform_layout = new QHBoxLayout(transform_frame);
    for (QRadioButton* o : transform_options()) {
        o->setAutoExclusive(false);
        transform_layout->addWidget(o);
    }
    transform_layout->addStretch();
    // Independent of the transformation: relative abundances may be
    // analysed as they are or transformed.
    standardise_box = named(new QCheckBox(QStringLiteral(
                                "Standardise each station to its total (relative abundance, %)")),
                            "Standardise");

    multiply_box = named(new QCheckBox(QStringLiteral("Multiply data by a constant")), "Check1");
    transform_box = named(new QCheckBox(QStringLiteral("Transform these data")), "Check2");
    average_box =
        named(new QCheckBox(QStringLiteral("Print Average Abundance Matrix to a file")), "Check3");
    bypass_check_box =
        named(new QCheckBox(QStringLiteral("by-pass data format check")), "CheckData");
    sim_matrix_box = named(new QCheckBox(QStringLiteral("Output Similarity Matrix")), "sim_matrix");
    all_matrix_box = named(
        new QCheckBox(QStringLiteral("Output All Subsequent Similarity Matricies")), "all_matrix");
    message_area = new TextPanel(QStringLiteral("PicBox1"));
    message_area->setMinimumHeight(150);
    continue_button = named(new QPushButton(QStringLiteral("Continue")), "Command1");
    exit_button = named(new QPushButton(QStringLiteral("Exit")), "Exit2");

    auto* files = new QGridLayout;
    files->addWidget(input_label, 0, 0);
    files->addWidget(input_file_edit, 0, 1);
    files->addWidget(report_label, 1, 0);
    files->addWidget(report_file_edit, 1, 1);
    files->addWidget(average_label, 2, 0);
    files->addWidget(average_file_edit, 2, 1);
    input_browse = browse_button_for(input_file_edit, "Browse1");
    report_browse = browse_button_for(report_file_edit, "Browse2");
    average_browse = browse_button_for(average_file_edit, "Browse3");
    files->addWidget(input_browse, 0, 2);
    files->addWidget(report_browse, 1, 2);
    files->addWidget(average_browse, 2, 2);
    files->setColumnStretch(1, 1);

    auto* constant = new QHBoxLayout;
    constant->addWidget(multiply_box);
    constant->addWidget(constant_label);
    constant->addWidget(constant_edit);
    constant->addStretch();
    constant_edit->setMaximumWidth(90);
    auto* options = new QVBoxLayout;
    options->addLayout(constant);
    options->addWidget(transform_box);
    options->addWidget(transform_frame);
    options->addWidget(standardise_box);
    options->addWidget(average_box);
    options->addWidget(bypass_check_box);
    options->addWidget(sim_matrix_box);
    options->addWidget(all_matrix_box);
    options->addStretch();

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(output_mode_frame);
    left->addStretch();
    middle->addLayout(left);
    middle->addSpacing(12);
    middle->addLayout(options, 1);

    auto* levels = new QHBoxLayout;
    levels->addWidget(savelinks_label);
    levels->addWidget(savelinks_edit);
    savelinks_edit->setMaximumWidth(90);
    levels->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continue_button);
    buttons->addWidget(exit_button);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(middle);
    layout->addLayout(levels);
    layout->addWidget(message_area, 1);
    layout->addLayout(buttons);
    resize(720, 560);

    for (QWidget* w : std::initializer_list<QWidget*>{
             average_label, average_file_edit, constant_label, constant_edit, transform_frame}) {
        w->hide();
    }
}

void OptionsWindow::connect_events() {
    connect(ClickRelay::watch(input_file_edit), &ClickRelay::clicked, this,
            &OptionsWindow::on_input_file_edit_clicked);
    connect(ClickRelay::watch(report_file_edit), &ClickRelay::clicked, this,
            &OptionsWindow::on_report_file_edit_clicked);
    connect(ClickRelay::watch(average_file_edit), &ClickRelay::clicked, this,
            &OptionsWindow::on_average_file_edit_clicked);
    connect(input_file_edit, &QLineEdit::returnPressed, this,
            &OptionsWindow::on_input_file_edit_returnPressed);
    // The file dialogs start in the data file's folder until the user has
    // chosen a file elsewhere.
    connect(input_file_edit, &QLineEdit::textChanged, this,
            &OptionsWindow::on_input_file_edit_textChanged);
    connect(report_file_edit, &QLineEdit::returnPressed, this,
            &OptionsWindow::on_report_file_edit_returnPressed);
    connect(average_file_edit, &QLineEdit::returnPressed, this,
            &OptionsWindow::on_average_file_edit_returnPressed);
    connect(screen_option, &QRadioButton::clicked, this, &OptionsWindow::on_screen_option_clicked);
    connect(printer_option, &QRadioButton::clicked, this,
            &OptionsWindow::on_printer_option_clicked);
    connect(file_option, &QRadioButton::clicked, this, &OptionsWindow::on_file_option_clicked);
    connect(ln_option, &QRadioButton::clicked, this, &OptionsWindow::on_ln_option_clicked);
    connect(binary_option, &QRadioButton::clicked, this, &OptionsWindow::on_binary_option_clicked);
    connect(sqrt_option, &QRadioButton::clicked, this, &OptionsWindow::on_sqrt_option_clicked);
    connect(fourth_root_option, &QRadioButton::clicked, this,
            &OptionsWindow::on_fourth_root_option_clicked);
    connect(multiply_box, &QCheckBox::clicked, this, &OptionsWindow::on_multiply_box_clicked);
    connect(transform_box, &QCheckBox::clicked, this, &OptionsWindow::on_transform_box_clicked);
    connect(average_box, &QCheckBox::clicked, this, &OptionsWindow::on_average_box_clicked);
    connect(input_browse, &QPushButton::clicked, this, &OptionsWindow::on_input_file_edit_clicked);
    connect(report_browse, &QPushButton::clicked, this,
            &OptionsWindow::on_report_file_edit_clicked);
    connect(average_browse, &QPushButton::clicked, this,
            &OptionsWindow::on_average_file_edit_clicked);
    connect(continue_button, &QPushButton::clicked, this,
            &OptionsWindow::on_continue_button_clicked);
    connect(KeyRelay::watch(continue_button), &KeyRelay::keyPressed, this,
            &OptionsWindow::on_continue_button_keyPressed);
    connect(exit_button, &QPushButton::clicked, this, &OptionsWindow::on_exit_button_clicked);
}

void OptionsWindow::read_settings(RunSettings& s) const {
    s.input_file = to_core(input_file_edit->text());
    // Screen and Printer are tested first; the file is taken only when
    // neither is on.
    s.output_mode = screen_option->isChecked()    ? OutputMode::Screen
                    : printer_option->isChecked() ? OutputMode::Printer
                                                  : OutputMode::File;
    s.output_file = to_core(report_file_edit->text());
    s.average_file = to_core(average_file_edit->text());
    s.multiply = multiply_box->isChecked();
    s.constant_text = to_core(constant_edit->text());
    s.transform_ln = ln_option->isChecked();
    s.transform_binary = binary_option->isChecked();
    s.transform_sqrt = sqrt_option->isChecked();
    s.transform_fourth_root = fourth_root_option->isChecked();
    s.standardise = standardise_box->isChecked();
    s.print_average = average_box->isChecked();
    s.bypass_check = bypass_check_box->isChecked();
    s.sim_matrix = sim_matrix_box->isChecked();
    s.all_matrix = all_matrix_box->isChecked();
    s.savelinks_text = to_core(savelinks_edit->text());
}

void OptionsWindow::choose_into(QLineEdit* box, const QString& caption, FileUse use,
                                const char* filter) {
    const QString name = choose_file(this, caption, use, QString::fromLatin1(filter));
    if (!name.isEmpty()) box->setText(name);
}

// A spreadsheet or R table is imported into a data file first; the data
// file's name then goes into the box.
void OptionsWindow::on_input_file_edit_clicked() {
    const QString name =
        choose_file(this, QStringLiteral("Input data file"), FileUse::Open, kInputFilter);
    if (!name.isEmpty()) take_input_file(name);
}

// The program's own data file goes straight into the box (as does a file that
// cannot be opened: the run reports it); anything else is a table to import.
void OptionsWindow::take_input_file(const QString& name) {
    import::ChosenFile chosen = import::open_chosen_file(to_core(name));
    if (import::runs_as_it_stands(chosen)) {
        input_file_edit->setText(name);
        return;
    }
    const QString data_file = run_import_dialog(this, std::move(chosen));
    if (!data_file.isEmpty()) input_file_edit->setText(data_file);
}
void OptionsWindow::on_report_file_edit_clicked() {
    const QString name = choose_file(this, QStringLiteral("Output file"), FileUse::Save,
                                     QString::fromLatin1(file_filter::kReport));
    if (name.isEmpty()) return;
    report_file_edit->setText(name);
    report_asked_ = name;
}
void OptionsWindow::on_average_file_edit_clicked() {
    choose_into(average_file_edit, QStringLiteral("Average Matrix file"), FileUse::Save,
                file_filter::kTable);
}

void OptionsWindow::on_input_file_edit_textChanged(const QString& text) {
    remember_data_file(text);
}

void OptionsWindow::on_input_file_edit_returnPressed() {
    show_output_file(true);
    report_file_edit->setFocus();
}
void OptionsWindow::on_report_file_edit_returnPressed() {
    continue_button->setFocus();
}
void OptionsWindow::on_average_file_edit_returnPressed() {
    continue_button->setFocus();
}

void OptionsWindow::show_output_file(bool visible) {
    report_label->setVisible(visible);
    report_file_edit->setVisible(visible);
}

void OptionsWindow::on_screen_option_clicked() {
    show_output_file(false);
}
void OptionsWindow::on_printer_option_clicked() {
    show_output_file(false);
}
void OptionsWindow::on_file_option_clicked() {
    show_output_file(true);
    report_file_edit->setFocus();
}

std::array<QRadioButton*, 4> OptionsWindow::transform_options() const {
    return {ln_option, binary_option, sqrt_option, fourth_root_option};
}

void OptionsWindow::choose_transform_option(QRadioButton* chosen) {
    for (QRadioButton* o : transform_options()) o->setChecked(o == chosen);
}

void OptionsWindow::on_ln_option_clicked() {
    choose_transform_option(ln_option);
}
void OptionsWindow::on_binary_option_clicked() {
    choose_transform_option(binary_option);
}
void OptionsWindow::on_sqrt_option_clicked() {
    choose_transform_option(sqrt_option);
}
void OptionsWindow::on_fourth_root_option_clicked() {
    choose_transform_option(fourth_root_option);
}

void OptionsWindow::on_multiply_box_clicked() {
    const bool on = multiply_box->isChecked();
    constant_label->setVisible(on);
    constant_edit->setVisible(on);
    if (on) {
        constant_edit->setFocus();
    } else {
        constant_edit->setText(QStringLiteral(" "));
    }
}

void OptionsWindow::on_transform_box_clicked() {
    const bool on = transform_box->isChecked();
    transform_frame->setVisible(on);
    if (!on) choose_transform_option(nullptr);
}

void OptionsWindow::on_average_box_clicked() {
    average_label->show();
    average_file_edit->show();
    average_file_edit->setFocus();
}

QString OptionsWindow::input_file() const {
    return input_file_edit->text();
}

void OptionsWindow::set_start_enabled(bool enabled) {
    continue_button->setEnabled(enabled);
}

void OptionsWindow::clear_messages() {
    message_area->clear();
}

void OptionsWindow::focus_messages() {
    message_area->setFocus();
}

void OptionsWindow::focus_report_file() {
    report_file_edit->setFocus();
}

void OptionsWindow::focus_continue() {
    continue_button->setFocus();
}

void OptionsWindow::on_continue_button_clicked() {
    if (bypass_check_box->isChecked()) {
        show_method_window_unchecked();
    } else {
        session_.stages().open_data_check();
    }
}

void OptionsWindow::on_continue_button_keyPressed(int) {
    show_method_window_unchecked();
}

void OptionsWindow::show_method_window_unchecked() {
    if (session_.stages().busy()) return;
    // The report header names the replicate sequence only when this run's
    // file was checked; one left over from an earlier check must not show.
    session_.context().ReplicateSequenceText.clear();
    session_.method_window().clear_check_status();
    session_.show_window(Window::Method, true);
}

void OptionsWindow::on_exit_button_clicked() {
    session_.stages().request_end();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    session_.window_closed(this);
}

}  // namespace tw::ui
