#pragma once
// The verbs of tarnwick-drive's scripts, in one table: each verb's word, how
// the rest of its line is read, its line in the driver's help (and in
// docs/testing.md), whether it acts on the windows as a user would, and what
// performs it. Parsing (driver_script.cpp), running (script_runner.cpp) and
// `tarnwick-drive --help` all read this table, so a new verb is an entry
// here and the action that performs it.

#include <span>
#include <string>
#include <string_view>

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

// How the rest of a verb's line is read.
enum class Arguments {
    ControlAndRest,          // WINDOW.CONTROL, then the rest of the line as it stands
    Control,                 // WINDOW.CONTROL
    ControlAndKey,           // WINDOW.CONTROL KEY
    WindowOrControl,         // WINDOW[.CONTROL]
    WindowOrControlAndFile,  // WINDOW[.CONTROL] FILE
    ControlAndFile,          // WINDOW.CONTROL FILE
    File,                    // one word
    Rest,                    // the rest of the line, which may hold blanks
    Answer,                  // yes|no|cancel|ok|default
    AnswerForAll,            // yes|no
    OpenOrSaveAndFile,       // open|save FILE
    Number,                  // a whole number of 0 or more
};

struct Command;

// What performs each verb; the script runner does it against the windows.
class ScriptActions {
  public:
    virtual void type_text(const Command& c) = 0;
    virtual void set_check_box(const Command& c) = 0;  // tick and untick
    virtual void choose(const Command& c) = 0;
    virtual void click(const Command& c) = 0;
    virtual void press(const Command& c) = 0;
    virtual void queue_answer(const Command& c) = 0;
    virtual void answer_all(const Command& c) = 0;
    virtual void check_visible(const Command& c) = 0;  // expect-visible and expect-hidden
    virtual void grab(const Command& c) = 0;
    virtual void dump_grid(const Command& c) = 0;
    virtual void grab_screen(const Command& c) = 0;
    virtual void dump_text(const Command& c) = 0;
    virtual void fix_seed(const Command& c) = 0;
    virtual void queue_pick(const Command& c) = 0;
    virtual void dump_folder(const Command& c) = 0;
    virtual void check_enabled(const Command& c) = 0;  // expect-enabled and expect-disabled
    virtual void close_window(const Command& c) = 0;
    virtual void stop_test_after(const Command& c) = 0;
    virtual void save_picture(const Command& c) = 0;
    virtual void export_results(const Command& c) = 0;

  protected:
    ~ScriptActions() = default;
};

struct VerbEntry {
    Verb verb;
    std::string_view word;
    Arguments arguments;
    std::string_view syntax;  // the line as the help writes it: "set WINDOW.CONTROL TEXT..."
    std::string_view help;    // what it does, on one line
    // Changes what the windows hold, as a user would (as opposed to
    // answering, checking or saving them).
    bool user_action;
    void (ScriptActions::*perform)(const Command&);
    // For Arguments::Rest: what the rest of the line is, named when missing.
    std::string_view rest_is = {};
};

// Every verb, in Verb order.
std::span<const VerbEntry> verb_table();
const VerbEntry& entry_of(Verb verb);
// The entry whose word is `word`, or null.
const VerbEntry* verb_named(std::string_view word);

// The verbs' lines of the help: syntax and what it does, one verb a line.
std::string verbs_help();

}  // namespace tw::drive
