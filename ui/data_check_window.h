#pragma once
// "Checking Input Data File ...": shows the format check as it walks the
// input file; Read/Continue performs one step, Exit ends the program. The
// window is created for one check and unloads itself when the check ends.

#include <QWidget>
#include <memory>

#include "datacheck/data_check_view.h"

class QLabel;
class QPushButton;

namespace tw {
class DataCheck;
}

namespace tw::ui {

class Session;

class DataCheckWindow : public QWidget, public DataCheckView {
    Q_OBJECT
  public:
    explicit DataCheckWindow(Session& session);
    ~DataCheckWindow() override;

    // DataCheckView
    void show_text(DataCheckField field, const std::string& text) override;
    void show_display_fields() override;
    void set_read_caption(const std::string& caption) override;
    void show_last_char_label(bool visible) override;
    void set_last_char_caption(const std::string& caption) override;
    void unload() override;

    QLabel* FileName;  // beside "Input File:"
    QLabel* LineNum;
    QLabel* CharNum;
    QLabel* CharOut;
    QLabel* TotChar;
    QLabel* Status;
    QLabel* LastChar;          // "This is the last character in the line"
    QPushButton* read_button;  // Command1, "Read", then "Continue"
    QPushButton* exit_button;  // Command2, "Exit"

  private slots:
    void on_read_button_clicked();
    void on_exit_button_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLabel* field(DataCheckField f) const;

    Session& session_;
    std::unique_ptr<DataCheck> check_;
    std::vector<QWidget*> display_fields_;
    bool unloaded_ = false;
};

}  // namespace tw::ui
