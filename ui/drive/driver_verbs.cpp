#include "ui/drive/driver_verbs.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tw::drive {

namespace {

using enum Verb;
using A = Arguments;
using S = ScriptActions;

constexpr std::array<VerbEntry, 23> kVerbs = {{
    {Set, "set", A::ControlAndRest, "set WINDOW.CONTROL TEXT...",
     "type TEXT (the rest of the line) into a text box", true, &S::type_text},
    {Tick, "tick", A::Control, "tick WINDOW.CONTROL", "click a check box that is clear", true,
     &S::set_check_box},
    {Untick, "untick", A::Control, "untick WINDOW.CONTROL", "click a check box that is ticked",
     true, &S::set_check_box},
    {Choose, "choose", A::Control, "choose WINDOW.CONTROL[INDEX]",
     "click an option button (Form3.RESMX[3] for arrays)", true, &S::choose},
    {Click, "click", A::Control, "click WINDOW.CONTROL", "click a button (or a text box)", true,
     &S::click},
    {Press, "press", A::ControlAndKey, "press WINDOW.CONTROL KEY",
     "a key on a control: Enter, Space or one character", true, &S::press},
    {Answer, "answer", A::Answer, "answer yes|no|cancel|ok|default",
     "answer for the next message box (default: its default button)", false, &S::queue_answer},
    {AnswerAll, "answer-all", A::AnswerForAll, "answer-all yes|no",
     "answer for every later box with none queued", false, &S::answer_all},
    {ExpectVisible, "expect-visible", A::WindowOrControl, "expect-visible WINDOW[.CONTROL]",
     "stop with status 8 unless it is visible", false, &S::check_visible},
    {ExpectHidden, "expect-hidden", A::WindowOrControl, "expect-hidden WINDOW[.CONTROL]",
     "stop with status 8 unless it is hidden", false, &S::check_visible},
    {Grab, "grab", A::WindowOrControlAndFile, "grab WINDOW[.CONTROL] FILE.png",
     "save a picture of a window or control", false, &S::grab},
    {DumpGrid, "dump-grid", A::File, "dump-grid FILE", "FORM5.Grid_out as tab-separated text",
     false, &S::dump_grid},
    {GrabScreen, "grab-screen", A::File, "grab-screen FILE.png",
     "save a picture of the whole screen", false, &S::grab_screen},
    {DumpText, "dump-text", A::ControlAndFile, "dump-text WINDOW.CONTROL FILE",
     "what a picture box, text box or label shows", false, &S::dump_text},
    {Seed, "seed", A::Number, "seed N", "fix the test's random seed (0: from the clock)", false,
     &S::fix_seed},
    {Pick, "pick", A::Rest, "pick FILE", "the next file dialog chooses FILE", false, &S::queue_pick,
     "file name"},
    {DumpFolder, "dump-folder", A::OpenOrSaveAndFile, "dump-folder open|save FILE",
     "the folder the next dialog to open or save a file starts in", false, &S::dump_folder},
    {ExpectEnabled, "expect-enabled", A::Control, "expect-enabled WINDOW.CONTROL",
     "stop with status 8 unless it is enabled", false, &S::check_enabled},
    {ExpectDisabled, "expect-disabled", A::Control, "expect-disabled WINDOW.CONTROL",
     "stop with status 8 unless it is disabled", false, &S::check_enabled},
    {Close, "close", A::WindowOrControl, "close WINDOW", "close a window from its title bar", true,
     &S::close_window},
    {StopTestAfter, "stop-test-after", A::Number, "stop-test-after N",
     "press FORM5.StopTest once the running test shows N replicates done", false,
     &S::stop_test_after},
    {SavePicture, "save-picture", A::File, "save-picture FILE",
     "Form4's \"Save picture...\" without its dialogs (SVG, PDF or PNG by the ending)", false,
     &S::save_picture},
    {Export, "export", A::Rest, "export PREFIX",
     "FORM5's \"Export...\" without its dialog (the rest of the line is the prefix)", false,
     &S::export_results, "file name prefix"},
}};

constexpr bool in_verb_order() {
    for (std::size_t i = 0; i < kVerbs.size(); ++i)
        if (static_cast<std::size_t>(kVerbs[i].verb) != i) return false;
    return true;
}
static_assert(in_verb_order(), "entry_of finds each verb at its place");

constexpr std::size_t kSyntaxColumn = 37;

}  // namespace

std::span<const VerbEntry> verb_table() {
    return kVerbs;
}

const VerbEntry& entry_of(Verb verb) {
    return kVerbs[static_cast<std::size_t>(verb)];
}

const VerbEntry* verb_named(std::string_view word) {
    for (const VerbEntry& v : kVerbs)
        if (v.word == word) return &v;
    return nullptr;
}

std::string verbs_help() {
    std::string text;
    for (const VerbEntry& v : kVerbs) {
        std::string line = "    " + std::string(v.syntax);
        line.resize(std::max(kSyntaxColumn, line.size() + 1), ' ');
        text += line + std::string(v.help) + "\n";
    }
    return text;
}

}  // namespace tw::drive
