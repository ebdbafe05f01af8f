#include "datacheck/check_cursor.h"

#include "datacheck/line_characters.h"
#include "run/questions.h"

namespace tw {

CheckCursor::CheckCursor(DataCheckState& state, LineSource& file, Host& host, DataCheckView& view,
                         const bool& exit_requested)
    : state_(state),
      file_(file),
      host_(host),
      view_(view),
      exit_requested_(exit_requested),
      chars_(split_characters(state.CurrentLine)) {}

std::string CheckCursor::read_line() {
    auto raw = file_.next_line();
    if (!raw) throw FileEnded{};
    state_.CurrentLine = std::string(trim_blanks(*raw));
    chars_ = split_characters(state_.CurrentLine);
    // A line of over two thousand million characters cannot be held anyway.
    state_.LineLength = static_cast<std::int32_t>(chars_.size());
    state_.CharPosition = 1;
    ++state_.LineNumber;
    view_.show_text(DataCheckField::LineNum, plain_number(state_.LineNumber));
    view_.show_text(DataCheckField::TotChar, plain_number(state_.LineLength));
    return std::move(*raw);
}

const std::string& CheckCursor::at(std::int32_t position) const {
    static const std::string none;
    if (position < 1 || position > state_.LineLength) return none;
    return chars_[static_cast<std::size_t>(position - 1)];
}

void CheckCursor::show_char(std::int32_t position) {
    state_.CharPosition = position;
    shown_line_ = state_.LineNumber;
    shown_length_ = state_.LineLength;
    state_.CurrentChar = at(position);
    view_.show_text(DataCheckField::CharNum, plain_number(position));
    view_.show_text(DataCheckField::CharOut, state_.CurrentChar);
    view_.show_text(DataCheckField::TotChar, plain_number(state_.LineLength));
    view_.show_last_char_label(position >= state_.LineLength);
}

void CheckCursor::end_scan() {
    view_.show_last_char_label(true);
}

void CheckCursor::yield() {
    host_.yield();
    if (exit_requested_) throw CheckStopped{};
}

void CheckCursor::fault(const std::string& line_title, const std::string& message) {
    ask_to_continue(host_, line_title, message);
    ++state_.FaultsAnswered;
}

}  // namespace tw
