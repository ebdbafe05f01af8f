#pragma once
// The scripts tarnwick-drive performs: one action a line, as a user would do
// it through the windows. Blank lines and lines starting with # are skipped.
//
//   set WINDOW.CONTROL TEXT...      type TEXT (the rest of the line) into a text box
//   tick WINDOW.CONTROL             click a check box that is clear
//   untick WINDOW.CONTROL           click a check box that is ticked
//   choose WINDOW.CONTROL[INDEX]    click an option button (INDEX for arrays)
//   click WINDOW.CONTROL            click a button (or a text box)
//   press WINDOW.CONTROL KEY        a key on a control: Enter, Space or one character
//   answer yes|no|cancel|ok         answer for the next message box
//   answer default                  the next message box gets Enter: its
//                                   default button
//   answer-all yes|no               answer for every later box with none queued
//   expect-visible WINDOW[.CONTROL] stop with status 4 unless it is visible
//   expect-hidden WINDOW[.CONTROL]  stop with status 4 unless it is hidden
//   grab WINDOW[.CONTROL] FILE.png  save a picture of a window or control
//   dump-grid FILE                  FORM5.Grid_out as tab-separated text
//   grab-screen FILE.png            save a picture of the whole screen
//   dump-text WINDOW.CONTROL FILE   what a picture box, text box or label shows
//   seed N                          fix the bootstrap's random seed (0: clock)
//   pick FILE                       the next file dialog chooses FILE
//   dump-folder open|save FILE      the folder the next dialog to open or save a
//                                   file starts in
//   expect-enabled WINDOW.CONTROL   stop with status 4 unless it is enabled
//   expect-disabled WINDOW.CONTROL  stop with status 4 unless it is disabled
//   close WINDOW                    close a window from its title bar
//   stop-test-after N               press FORM5.StopTest once the running test
//                                   shows N replicates done
//   save-picture FILE               Form4's "Save picture..." without its dialogs:
//                                   the view shown, SVG, PDF or PNG (300 dpi) by
//                                   the file's extension
//   export PREFIX                   FORM5's "Export..." without its dialog
//                                   (the rest of the line is the prefix)

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "run/host.h"

namespace tw::drive {

enum class Verb {
    Set,
    Tick,
    Untick,
    Choose,
    Click,
    Press,
    Answer,
    AnswerAll,
    ExpectVisible,
    ExpectHidden,
    Grab,
    DumpGrid,
    GrabScreen,
    DumpText,
    Seed,
    Pick,
    DumpFolder,
    ExpectEnabled,
    ExpectDisabled,
    Close,
    StopTestAfter,
    SavePicture,
    Export,
};

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

Script parse_script(std::string_view text);

// The windows a script may name.
bool is_known_window(std::string_view name);

}  // namespace tw::drive
