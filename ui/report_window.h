#pragma once
// The screen device "SCRN:": a window that shows the report as it is written,
// with a Save... button that keeps it as a text file (CR LF line ends, as a
// report file would have them).

#include <QWidget>
#include <string>

class QPushButton;

namespace tw::ui {

class TextPanel;

class ReportWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ReportWindow(QWidget* parent = nullptr);

    // A run opens the device: what an earlier run showed is replaced.
    void begin();
    void append(std::string_view text);

    // The report exactly as written, line ends CR LF.
    const std::string& contents() const { return contents_; }
    bool save_to(const QString& path) const;

  private slots:
    void on_Save_clicked();

  private:
    TextPanel* ReportText;
    QPushButton* Save;
    std::string contents_;
};

}  // namespace tw::ui
