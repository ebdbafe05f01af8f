#include "ui/drive/driver_script.h"

#include <array>
#include <cctype>
#include <charconv>
#include <map>

namespace tw::drive {

namespace {

std::string_view trim_end(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    return s;
}

std::string_view skip_blanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

// The next blank-separated word; `rest` keeps what follows it, with the one
// separating blank removed (so "set X.Y  a" types " a").
std::string_view next_word(std::string_view& rest) {
    rest = skip_blanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t') ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    if (!rest.empty()) rest.remove_prefix(1);
    return word;
}

const std::map<std::string_view, Verb>& verbs() {
    static const std::map<std::string_view, Verb> v{
        {"set", Verb::Set},
        {"tick", Verb::Tick},
        {"untick", Verb::Untick},
        {"choose", Verb::Choose},
        {"click", Verb::Click},
        {"press", Verb::Press},
        {"answer", Verb::Answer},
        {"answer-all", Verb::AnswerAll},
        {"expect-visible", Verb::ExpectVisible},
        {"expect-hidden", Verb::ExpectHidden},
        {"grab", Verb::Grab},
        {"dump-grid", Verb::DumpGrid},
        {"grab-screen", Verb::GrabScreen},
        {"dump-text", Verb::DumpText},
        {"seed", Verb::Seed},
        {"pick", Verb::Pick},
        {"dump-folder", Verb::DumpFolder},
        {"expect-enabled", Verb::ExpectEnabled},
        {"expect-disabled", Verb::ExpectDisabled},
        {"close", Verb::Close},
        {"stop-test-after", Verb::StopTestAfter},
        {"save-picture", Verb::SavePicture},
        {"export", Verb::Export},
    };
    return v;
}

std::optional<ControlRef> parse_ref(std::string_view word, bool control_required,
                                    std::string& error) {
    ControlRef ref;
    const std::size_t dot = word.find('.');
    ref.window = std::string(word.substr(0, dot));
    if (!is_known_window(ref.window)) {
        error = "unknown window \"" + ref.window + "\"";
        return std::nullopt;
    }
    if (dot == std::string_view::npos) {
        if (control_required) {
            error = "expected WINDOW.CONTROL, found \"" + std::string(word) + "\"";
            return std::nullopt;
        }
        return ref;
    }
    std::string_view control = word.substr(dot + 1);
    const std::size_t bracket = control.find('[');
    if (bracket != std::string_view::npos) {
        std::string_view digits = control.substr(bracket + 1);
        if (digits.empty() || digits.back() != ']') {
            error = "bad control index in \"" + std::string(word) + "\"";
            return std::nullopt;
        }
        digits.remove_suffix(1);
        int index = -1;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (ec != std::errc() || end != digits.data() + digits.size() || index < 0) {
            error = "bad control index in \"" + std::string(word) + "\"";
            return std::nullopt;
        }
        ref.index = index;
        control = control.substr(0, bracket);
    }
    if (control.empty()) {
        error = "missing control name in \"" + std::string(word) + "\"";
        return std::nullopt;
    }
    ref.control = std::string(control);
    return ref;
}

std::optional<tw::Answer> parse_answer(std::string_view word, bool all) {
    if (word == "yes") return tw::Answer::Yes;
    if (word == "no") return tw::Answer::No;
    if (all) return std::nullopt;
    if (word == "cancel") return tw::Answer::Cancel;
    if (word == "ok") return tw::Answer::Ok;
    return std::nullopt;
}

bool valid_key(std::string_view key) {
    return key == "Enter" || key == "Space" ||
           (key.size() == 1 && std::isgraph(static_cast<unsigned char>(key[0])));
}

// Parses one non-blank, non-comment line; returns an error message or "".
std::string parse_line(std::string_view rest, Command& c) {
    const std::string_view verb_word = next_word(rest);
    const auto verb = verbs().find(verb_word);
    if (verb == verbs().end()) return "unknown verb \"" + std::string(verb_word) + "\"";
    c.verb = verb->second;
    std::string error;
    auto need_ref = [&](bool control_required) {
        auto ref = parse_ref(next_word(rest), control_required, error);
        if (ref) c.target = *ref;
        return ref.has_value();
    };
    auto need_word = [&](const char* what) {
        c.text = std::string(next_word(rest));
        if (c.text.empty()) error = std::string("missing ") + what;
        return !c.text.empty();
    };
    switch (c.verb) {
        case Verb::Set:
            if (!need_ref(true)) return error;
            c.text = std::string(rest);
            return "";
        case Verb::Tick:
        case Verb::Untick:
        case Verb::Choose:
        case Verb::Click:
            return need_ref(true) ? "" : error;
        case Verb::Press:
            if (!need_ref(true) || !need_word("key")) return error;
            return valid_key(c.text)
                       ? ""
                       : "unknown key \"" + c.text + "\" (Enter, Space or one character)";
        case Verb::Answer:
        case Verb::AnswerAll: {
            const std::string_view word = next_word(rest);
            if (word == "default" && c.verb == Verb::Answer) {
                c.default_answer = true;
                return "";
            }
            const auto a = parse_answer(word, c.verb == Verb::AnswerAll);
            if (!a) return "unknown answer \"" + std::string(word) + "\"";
            c.answer = *a;
            return "";
        }
        case Verb::ExpectVisible:
        case Verb::ExpectHidden:
            return need_ref(false) ? "" : error;
        case Verb::Grab:
            return need_ref(false) && need_word("file name") ? "" : error;
        case Verb::DumpGrid:
        case Verb::GrabScreen:
        case Verb::SavePicture:
            return need_word("file name") ? "" : error;
        case Verb::DumpText:
            return need_ref(true) && need_word("file name") ? "" : error;
        case Verb::Pick:
            c.text = std::string(rest);
            return c.text.empty() ? "missing file name" : "";
        case Verb::DumpFolder: {
            const std::string_view use = next_word(rest);
            if (use != "open" && use != "save")
                return "expected open or save, found \"" + std::string(use) + "\"";
            c.for_saving = use == "save";
            return need_word("file name") ? "" : error;
        }
        case Verb::ExpectEnabled:
        case Verb::ExpectDisabled:
            return need_ref(true) ? "" : error;
        case Verb::Close:
            return need_ref(false) ? "" : error;
        case Verb::StopTestAfter:
        case Verb::Seed: {
            const std::string_view word = next_word(rest);
            auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), c.seed);
            if (word.empty() || ec != std::errc() || end != word.data() + word.size()) {
                return "bad number \"" + std::string(word) + "\"";
            }
            return "";
        }
        case Verb::Export:
            // The prefix is the rest of the line: folder names may hold blanks.
            c.text = std::string(rest);
            return c.text.empty() ? "missing file name prefix" : "";
    }
    return "unknown verb";
}

}  // namespace

std::string ControlRef::object_name() const {
    if (control.empty()) return window;
    return index < 0 ? control : control + "_" + std::to_string(index);
}

std::string ControlRef::spelled() const {
    std::string s = window;
    if (!control.empty()) s += "." + control;
    if (index >= 0) s += "[" + std::to_string(index) + "]";
    return s;
}

bool Command::is_user_action() const {
    switch (verb) {
        case Verb::Set:
        case Verb::Tick:
        case Verb::Untick:
        case Verb::Choose:
        case Verb::Click:
        case Verb::Press:
        case Verb::Close:
            return true;
        default:
            return false;
    }
}

bool is_known_window(std::string_view name) {
    static constexpr std::array<std::string_view, 9> kWindows{
        "Form1",     "Form2",  "Form3",     "Form4",        "FORM5",
        "DataCheck", "Report", "RunReport", "ExplainWindow"};
    for (std::string_view w : kWindows) {
        if (w == name) return true;
    }
    return false;
}

Script parse_script(std::string_view text) {
    Script script;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t nl = text.find('\n', start);
        const std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        ++number;
        const std::string_view content = skip_blanks(trim_end(text.substr(start, end - start)));
        start = end + 1;
        if (content.empty() || content.front() == '#') continue;
        Command c;
        c.line = number;
        const std::string error = parse_line(content, c);
        if (!error.empty()) {
            script.commands.clear();
            script.error = ParseError{number, error};
            return script;
        }
        script.commands.push_back(std::move(c));
    }
    return script;
}

}  // namespace tw::drive
