#pragma once
// The start-up window: what the program does and the input format.
//
// The window is Form1 to scripts and tests, and each control keeps the object
// name they address it by, given beside its member.

#include <QWidget>

class QLabel;
class QPushButton;

namespace tw::ui {

class Session;
class StartPicture;

class StartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StartWindow(Session& session);

    QLabel* title_label;               // Label1
    QLabel* version_label;             // Label6
    StartPicture* dendrogram_picture;  // Picture1
    StartPicture* pond_picture;        // Picture2
    QPushButton* continue_button;      // Command1
    QPushButton* exit_button;          // Exit1

  private slots:
    void on_continue_button_clicked();
    void on_continue_button_keyPressed(int key);
    void on_exit_button_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Session& session_;
};

}  // namespace tw::ui
