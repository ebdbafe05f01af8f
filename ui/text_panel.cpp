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

namespace {

QString screen_text(const std::string& printed) {
    QString s = QString::fromUtf8(printed.data(), static_cast<qsizetype>(printed.size()));
    s.remove(QLatin1Char('\r'));
    return s;
}

}  // namespace

void TextPanel::write(std::string_view text) {
    const bool scheduled = !pending_.empty() || clear_pending_;
    pending_.append(text);
    if (!scheduled && !pending_.empty())
        QMetaObject::invokeMethod(this, &TextPanel::show_pending, Qt::QueuedConnection);
}

QString TextPanel::shown() const {
    return (clear_pending_ ? QString() : toPlainText()) + screen_text(pending_);
}

void TextPanel::show_pending() {
    if (clear_pending_) QPlainTextEdit::clear();
    clear_pending_ = false;
    if (pending_.empty()) return;
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(screen_text(pending_));
    pending_.clear();
    // Follow the print position, as a picture box shows its newest lines.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TextPanel::clear() {
    const bool scheduled = !pending_.empty() || clear_pending_;
    pending_.clear();
    clear_pending_ = true;
    if (!scheduled) QMetaObject::invokeMethod(this, &TextPanel::show_pending, Qt::QueuedConnection);
}

}  // namespace tw::ui
