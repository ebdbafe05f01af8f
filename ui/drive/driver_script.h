#pragma once
// The scripts tarnwick-drive performs: one action a line, as a user would do
// it through the windows. Blank lines and lines starting with # are skipped;
// every other line starts with a verb of the verb table (driver_verbs.h),
// which also says how the rest of the line is read.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/host.h"
#include "ui/drive/driver_verbs.h"

namespace tw::drive {

// WINDOW, WINDOW.CONTROL or WINDOW.CONTROL[INDEX].
struct ControlRef {
    std::string window;
    std::string control;  // empty: the window itself
    int index = -1;       // -1: not an array entry

    // The control's objectName: array entries are named NAME_INDEX.
    std::string object_name() const;
    std::string spelled() const;  // as written in the script
};

struct Command {
    int line = 0;
    Verb verb = Verb::Click;
    ControlRef target;
    std::string text;  // set: the text; press: the key; grab/dump: the file
    tw::Answer answer = tw::Answer::Yes;
    unsigned long long seed = 0;
    bool for_saving = false;      // dump-folder: the dialog saves a file
    bool default_answer = false;  // answer: whatever the box's default button is

    // Changes what the windows hold (as opposed to checking or saving them).
    bool is_user_action() const;
};

struct ParseError {
    int line = 0;
    std::string message;
};

struct Script {
    std::vector<Command> commands;
    std::optional<ParseError> error;  // the first bad line; commands is then empty
};

// Whether a script may name the window `name`.
using WindowKnown = std::function<bool(std::string_view name)>;

Script parse_script(std::string_view text, const WindowKnown& is_window);

}  // namespace tw::drive
