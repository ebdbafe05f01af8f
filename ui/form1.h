#pragma once
// The start-up window: what the program does and the input format.

#include <QWidget>

class QLabel;
class QPushButton;

namespace tw::ui {

class Session;
class StartPicture;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(Session& session);

    QLabel* Label1;
    QLabel* Label6;
    StartPicture* Picture1;
    StartPicture* Picture2;
    QPushButton* Command1;
    QPushButton* Exit1;

  private slots:
    void on_Command1_clicked();
    void on_Command1_keyPressed(int key);
    void on_Exit1_clicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Session& session_;
};

}  // namespace tw::ui
