#pragma once
// "I/O and Data Options": the input and output files, the data options and
// the message area (PicBox1) where the run reports its progress.

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

class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(Session& session);

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

    QLabel* Label1;  // input file
    QLineEdit* Text1;
    QLabel* Label2;  // output file
    QLineEdit* Text2;
    QLabel* Label3;  // average matrix file
    QLineEdit* Text3;
    // "Browse..." beside Text1, Text2 and Text3: the same dialog as a click
    // into the box.
    QPushButton* Browse1;
    QPushButton* Browse2;
    QPushButton* Browse3;
    QLabel* Label4;  // "Constant:"
    QLineEdit* Text4;
    QLabel* Label5;  // savelinks
    QLineEdit* savelinks;
    QGroupBox* Frame1;  // "Output Mode"
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QGroupBox* Frame2;  // "Transformation"
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;  // "Square root"
    QRadioButton* Option7;  // "Fourth root"
    QCheckBox* Standardise;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QCheckBox* Check3;
    QCheckBox* CheckData;
    QCheckBox* sim_matrix;
    QCheckBox* all_matrix;
    TextPanel* PicBox1;
    QPushButton* Command1;
    QPushButton* Exit2;

  private slots:
    void on_Text1_clicked();
    void on_Text2_clicked();
    void on_Text3_clicked();
    void on_Text1_textChanged(const QString& text);
    void on_Text1_returnPressed();
    void on_Text2_returnPressed();
    void on_Text3_returnPressed();
    void on_Option1_clicked();
    void on_Option2_clicked();
    void on_Option3_clicked();
    void on_Option4_clicked();
    void on_Option5_clicked();
    void on_Option6_clicked();
    void on_Option7_clicked();
    void on_Check1_clicked();
    void on_Check2_clicked();
    void on_Check3_clicked();
    void on_Command1_clicked();
    void on_Command1_keyPressed(int key);
    void on_Exit2_clicked();

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
    void show_form3_unchecked();

    Session& session_;
    QString report_asked_;
};

}  // namespace tw::ui
