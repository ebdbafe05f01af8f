#include "ui/drive/driver_script.h"

#include <cctype>
#include <charconv>

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

std::optional<ControlRef> parse_ref(std::string_view word, bool control_required,
                                    const WindowKnown& is_window, std::string& error) {
    ControlRef ref;
    const std::size_t dot = word.find('.');
    ref.window = std::string(word.substr(0, dot));
    if (!is_window(ref.window)) {
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

// Reads a number of 0 or more into c.seed.
std::string parse_number(std::string_view word, Command& c) {
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), c.seed);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size())
        return "bad number \"" + std::string(word) + "\"";
    return "";
}

std::string parse_answer_word(std::string_view word, bool all, Command& c) {
    if (word == "default" && !all) {
        c.default_answer = true;
        return "";
    }
    const auto a = parse_answer(word, all);
    if (!a) return "unknown answer \"" + std::string(word) + "\"";
    c.answer = *a;
    return "";
}

// Parses one non-blank, non-comment line; returns an error message or "".
std::string parse_line(std::string_view rest, const WindowKnown& is_window, Command& c) {
    const std::string_view verb_word = next_word(rest);
    const VerbEntry* verb = verb_named(verb_word);
    if (!verb) return "unknown verb \"" + std::string(verb_word) + "\"";
    c.verb = verb->verb;
    std::string error;
    auto need_ref = [&](bool control_required) {
        auto ref = parse_ref(next_word(rest), control_required, is_window, error);
        if (ref) c.target = *ref;
        return ref.has_value();
    };
    auto need_word = [&](const char* what) {
        c.text = std::string(next_word(rest));
        if (c.text.empty()) error = std::string("missing ") + what;
        return !c.text.empty();
    };
    switch (verb->arguments) {
        case Arguments::ControlAndRest:
            if (!need_ref(true)) return error;
            c.text = std::string(rest);
            return "";
        case Arguments::Control:
            return need_ref(true) ? "" : error;
        case Arguments::ControlAndKey:
            if (!need_ref(true) || !need_word("key")) return error;
            return valid_key(c.text)
                       ? ""
                       : "unknown key \"" + c.text + "\" (Enter, Space or one character)";
        case Arguments::WindowOrControl:
            return need_ref(false) ? "" : error;
        case Arguments::WindowOrControlAndFile:
            return need_ref(false) && need_word("file name") ? "" : error;
        case Arguments::ControlAndFile:
            return need_ref(true) && need_word("file name") ? "" : error;
        case Arguments::File:
            return need_word("file name") ? "" : error;
        case Arguments::Rest:
            // Folder and file names may hold blanks.
            c.text = std::string(rest);
            return c.text.empty() ? "missing " + std::string(verb->rest_is) : "";
        case Arguments::Answer:
        case Arguments::AnswerForAll:
            return parse_answer_word(next_word(rest), verb->arguments == Arguments::AnswerForAll,
                                     c);
        case Arguments::OpenOrSaveAndFile: {
            const std::string_view use = next_word(rest);
            if (use != "open" && use != "save")
                return "expected open or save, found \"" + std::string(use) + "\"";
            c.for_saving = use == "save";
            return need_word("file name") ? "" : error;
        }
        case Arguments::Number:
            return parse_number(next_word(rest), c);
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
    return entry_of(verb).user_action;
}

Script parse_script(std::string_view text, const WindowKnown& is_window) {
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
        const std::string error = parse_line(content, is_window, c);
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
