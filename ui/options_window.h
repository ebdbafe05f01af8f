#pragma once
// "I/O and Data Options": the input and output files, the data options and
// the message area (PicBox1) where the run reports its progress.
//
// The window is Form2 to scripts and tests, and each control keeps the object
// name they address it by, given beside its member.

#include <QWidget>
#include <array>

#include "run/run_settings.h"
#include "ui/file_chooser.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tw::ui {

class Session;
class TextPanel;

class OptionsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit OptionsWindow(Session& session);

    // The window's settings as the run takes them.
    void read_settings(RunSettings& settings) const;
    // The report file last named in the save dialog, which asked before
    // replacing it; a run that starts forgets it, since the next run would
    // replace that run's report.
    const QString& report_asked_in_dialog() const { return report_asked_; }
    void forget_report_dialog() { report_asked_.clear(); }
    // A data file goes into the input box; a table is imported first, as
    // when it is chosen in the file dialog.
    void take_input_file(const QString& name);

    // What the stages ask of the window.
    QString input_file() const;
    void set_start_enabled(bool enabled);
    void clear_messages();
    void focus_messages();
    void focus_report_file();
    void focus_continue();

    QLabel* input_label;           // Label1, input file
    QLineEdit* input_file_edit;    // Text1
    QLabel* report_label;          // Label2, output file
    QLineEdit* report_file_edit;   // Text2
    QLabel* average_label;         // Label3, average matrix file
    QLineEdit* average_file_edit;  // Text3
    // "Browse..." beside the three file boxes: the same dialog as a click
    // into the box.
    QPushButton* input_browse;         // Browse1
    QPushButton* report_browse;        // Browse2
    QPushButton* average_browse;       // Browse3
    QLabel* constant_label;            // Label4, "Constant:"
    QLineEdit* constant_edit;          // Text4
    QLabel* savelinks_label;           // Label5, savelinks
    QLineEdit* savelinks_edit;         // savelinks
    QGroupBox* output_mode_frame;      // Frame1, "Output Mode"
    QRadioButton* screen_option;       // Option1
    QRadioButton* printer_option;      // Option2
    QRadioButton* file_option;         // Option3
    QGroupBox* transform_frame;        // Frame2, "Transformation"
    QRadioButton* ln_option;           // Option4
    QRadioButton* binary_option;       // Option5
    QRadioButton* sqrt_option;         // Option6, "Square root"
    QRadioButton* fourth_root_option;  // Option7, "Fourth root"
    QCheckBox* standardise_box;        // Standardise
    QCheckBox* multiply_box;           // Check1
    QCheckBox* transform_box;          // Check2
    QCheckBox* average_box;            // Check3
    QCheckBox* bypass_check_box;       // CheckData
    QCheckBox* sim_matrix_box;         // sim_matrix
    QCheckBox* all_matrix_box;         // all_matrix
    TextPanel* message_area;           // PicBox1
    QPushButton* continue_button;      // Command1
    QPushButton* exit_button;          // Exit2

  private slots:
    void on_input_file_edit_clicked();
    void on_report_file_edit_clicked();
    void on_average_file_edit_clicked();
    void on_input_file_edit_textChanged(const QString& text);
    void on_input_file_edit_returnPressed();
    void on_report_file_edit_returnPressed();
    void on_average_file_edit_returnPressed();
    void on_screen_option_clicked();
    void on_printer_option_clicked();
    void on_file_option_clicked();
    void on_ln_option_clicked();
    void on_binary_option_clicked();
    void on_sqrt_option_clicked();
    void on_fourth_root_option_clicked();
    void on_multiply_box_clicked();
    void on_transform_box_clicked();
    void on_average_box_clicked();
    void on_continue_button_clicked();
    void on_continue_button_keyPressed(int key);
    void on_exit_button_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void connect_events();
    void choose_into(QLineEdit* box, const QString& caption, FileUse use, const char* filter);
    void show_output_file(bool visible);
    std::array<QRadioButton*, 4> transform_options() const;
    // Turns `chosen` on and the other transformations off (all off for nullptr).
    void choose_transform_option(QRadioButton* chosen);
    void show_method_window_unchecked();

    Session& session_;
    QString report_asked_;
};

}  // namespace tw::ui
