#pragma once
// A picture box that takes printed text: the message area (Form2.PicBox1) and
// FORM5.link_table. Text appears where the print position is; clearing erases
// everything and goes back to the top left. The user can read and copy the
// text but not edit it.

#include <QPlainTextEdit>
#include <string>

#include "run/text_target.h"

namespace tw::ui {

class TextPanel : public QPlainTextEdit, public TextTarget {
    Q_OBJECT
  public:
    explicit TextPanel(const QString& object_name, QWidget* parent = nullptr);

    // TextTarget: text arrives with CR LF line ends. It is collected and put
    // on screen when the window system next gets a turn: laying out the
    // document for every printed item would cost a run far more than the
    // computing does.
    void write(std::string_view text) override;
    void clear() override;

    // What the box shows, with plain "\n" line ends, including text printed
    // since the last repaint.
    QString shown() const;

  private:
    void show_pending();

    std::string pending_;         // as printed, CR LF line ends
    bool clear_pending_ = false;  // erase what is on screen before showing pending_
};

// The fixed-pitch font in which printed columns line up.
QFont fixed_pitch_font();

}  // namespace tw::ui
