#include "ui/text_panel.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextCursor>

namespace tw::ui {

QFont fixed_pitch_font() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

TextPanel::TextPanel(const QString& object_name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(object_name);
    setReadOnly(true);
    setFont(fixed_pitch_font());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
}

void TextPanel::write(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.remove(QLatin1Char('\r'));
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(s);
    // Follow the print position, as a picture box shows its newest lines.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TextPanel::clear() {
    QPlainTextEdit::clear();
}

}  // namespace tw::ui
