#pragma once
// A picture box that takes printed text: the message area (Form2.PicBox1) and
// FORM5.link_table. Text appears where the print position is; clearing erases
// everything and goes back to the top left. The user can read and copy the
// text but not edit it.

#include <QPlainTextEdit>

#include "run/text_target.h"

namespace tw::ui {

class TextPanel : public QPlainTextEdit, public TextTarget {
    Q_OBJECT
  public:
    explicit TextPanel(const QString& object_name, QWidget* parent = nullptr);

    // TextTarget: text arrives with CR LF line ends.
    void write(std::string_view text) override;
    void clear() override;

    // What the box shows, with plain "\n" line ends.
    QString shown() const { return toPlainText(); }
};

// The fixed-pitch font in which printed columns line up.
QFont fixed_pitch_font();

}  // namespace tw::ui
