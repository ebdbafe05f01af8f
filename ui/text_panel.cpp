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

// Laying out a line costs a few microseconds; a stage can print a table of
// 10,000 lines between two turns of the windows, which would make that turn
// alone longer than a user should wait. About a thousand lines go on screen
// per turn, the rest at the next.
constexpr std::size_t kShownPerTurn = 32 * 1024;

// Where the pending text is cut for this turn: after the last whole line
// within the limit, so that no character is split, or all of it when there
// is no such line.
std::size_t turn_cut(const std::string& pending) {
    if (pending.size() <= kShownPerTurn) return pending.size();
    const std::size_t newline = pending.rfind('\n', kShownPerTurn);
    return newline == std::string::npos ? pending.size() : newline + 1;
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
    const std::size_t cut = turn_cut(pending_);
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(screen_text(pending_.substr(0, cut)));
    pending_.erase(0, cut);
    // Follow the print position, as a picture box shows its newest lines.
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    if (!pending_.empty())
        QMetaObject::invokeMethod(this, &TextPanel::show_pending, Qt::QueuedConnection);
}

void TextPanel::clear() {
    const bool scheduled = !pending_.empty() || clear_pending_;
    pending_.clear();
    clear_pending_ = true;
    if (!scheduled) QMetaObject::invokeMethod(this, &TextPanel::show_pending, Qt::QueuedConnection);
}

}  // namespace tw::ui
