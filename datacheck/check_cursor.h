#pragma once
// The line under examination and the moves every state of the check makes:
// read the next line, show a character, yield, put a fault to the user.

#include <cstdint>
#include <string>
#include <vector>

#include "datacheck/data_check.h"
#include "datacheck/data_check_view.h"
#include "datacheck/line_source.h"
#include "run/host.h"

namespace tw {

// Thrown when a state needs a line that the file does not have: the check
// ends there, as after the last line.
struct FileEnded {};
// Thrown after a yield during which Exit was pressed: the program is to end.
struct CheckStopped {};

class CheckCursor {
  public:
    // A cursor lives for one press; it takes up the line the last press left
    // in `state`.
    CheckCursor(DataCheckState& state, LineSource& file, Host& host, DataCheckView& view,
                const bool& exit_requested);

    // The next line into CurrentLine (trimmed), LineNumber one up; returns
    // the line as it stands in the file, before trimming.
    std::string read_line();
    bool file_at_end() { return file_.at_end(); }

    // Character `position` (1-based) of CurrentLine; "" outside the line.
    const std::string& at(std::int32_t position) const;
    const std::string& first() const { return at(1); }
    const std::string& last() const { return at(state_.LineLength); }

    // Make `position` the character under examination and show it.
    void show_char(std::int32_t position);
    // The scan of the line is complete.
    void end_scan();
    // Let the window repaint between characters.
    void yield();

    // A format fault: Yes goes on, No ends the program.
    void fault(const std::string& line_title, const std::string& message);
    Host& host() { return host_; }
    // The line (and its length) of the character shown last; 0 before any.
    std::int32_t shown_line() const { return shown_line_; }
    std::int32_t shown_length() const { return shown_length_; }
    DataCheckView& view() { return view_; }
    DataCheckState& state() { return state_; }

  private:
    DataCheckState& state_;
    LineSource& file_;
    Host& host_;
    DataCheckView& view_;
    const bool& exit_requested_;
    std::vector<std::string> chars_;
    std::int32_t shown_line_ = 0;
    std::int32_t shown_length_ = 0;
};

// A position or line number as the messages and the display write it.
inline std::string plain_number(std::int64_t n) {
    return std::to_string(n);
}

}  // namespace tw
