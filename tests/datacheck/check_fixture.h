#pragma once
// Drives the format check the way its window does, with a view that records
// what the window would show and a host that answers the questions.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "datacheck/data_check.h"
#include "support/scripted_host.h"
#include "support/test_files.h"

namespace tw::test {

class RecordingView : public DataCheckView {
  public:
    void show_text(DataCheckField field, const std::string& text) override {
        fields[field] = text;
        if (field == DataCheckField::Status) statuses.push_back(text);
    }
    void show_display_fields() override { display_fields_shown = true; }
    void set_read_caption(const std::string& caption) override { read_caption = caption; }
    void show_last_char_label(bool visible) override { last_char_label_visible = visible; }
    void set_last_char_caption(const std::string& caption) override { last_char_caption = caption; }
    void unload() override { ++unloads; }

    std::string field(DataCheckField f) const {
        auto it = fields.find(f);
        return it == fields.end() ? std::string() : it->second;
    }

    std::map<DataCheckField, std::string> fields;
    std::vector<std::string> statuses;
    bool display_fields_shown = false;
    std::string read_caption = data_check_text::kRead;
    bool last_char_label_visible = false;
    std::string last_char_caption = data_check_text::kLastCharacter;
    int unloads = 0;
};

// A message box as the user saw it: its title and its text.
struct Fault {
    std::string title;
    std::string text;
    bool operator==(const Fault&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Fault& f) {
    return os << "[" << f.title << "] " << f.text;
}

// A fault message of a line, as its Yes/No box shows it.
inline Fault asked(const std::string& line_title, const std::string& text) {
    return {line_title + " Do you want to continue?", text};
}

// Lets a test act in the middle of a scan, as the user can while the check
// yields to the window system.
struct YieldingHost : ScriptedHost {
    std::function<void()> on_yield;
    void process_events() override {
        ++yields;
        if (on_yield) on_yield();
    }
};

struct CheckRun {
    YieldingHost host;
    RecordingView view;
    RunContext ctx;
    DataCheck check{ctx, host, view};
    std::string path;

    // Writes the file and makes the first press.
    Outcome start(const std::string& contents) {
        path = write_input_file("data.txt", contents);
        return check.read_pressed(path);
    }
    Outcome press() { return check.read_pressed(path); }

    // Presses Continue until the window unloads; returns how many presses
    // that took after the first (or -1 if it never ended).
    int press_to_end(int limit = 20) {
        for (int presses = 1; presses <= limit; ++presses) {
            press();
            if (view.unloads > 0 || host.ended) return presses;
        }
        return -1;
    }

    void answer_yes(int times) {
        for (int i = 0; i < times; ++i) host.answer(Answer::Yes);
    }

    // The questions asked from question `from` on.
    std::vector<Fault> faults(std::size_t from = 0) const {
        std::vector<Fault> out;
        for (std::size_t i = from; i < host.questions.size(); ++i)
            out.push_back({host.questions[i].title, host.questions[i].text});
        return out;
    }
};

// A file in the input format with the given data lines, declaring as many
// rows as there are lines; `tail` is everything after the data lines.
inline std::string data_file(const std::vector<std::string>& data, int columns,
                             const std::string& tail) {
    std::string file = "\"Test data\"\r\n" + std::to_string(data.size()) + " " +
                       std::to_string(columns) + "\r\n\"STATION\"";
    for (int j = 1; j <= columns; ++j) file += ",\"S" + std::to_string(j) + "\"";
    file += "\r\n";
    for (const auto& line : data) file += line + "\r\n";
    return file + tail;
}

// Three stations, two species, two groups of 2 and 1; nothing after.
inline const std::vector<std::string> kWellFormedLines = {
    "\"Pond survey\"",
    "3 2",
    "\"STATION\",\"Sp1\",\"Sp2\"",
    "\"P1\" 1 2",
    "\"P2\" 0 4.5",
    "\"P3\" 3 0",
    "2",
    "2 1",
};

// The well-formed file with line `number` (1-based) replaced.
inline std::string well_formed_with(int number = 0, const std::string& line = "") {
    std::string file;
    for (std::size_t i = 0; i < kWellFormedLines.size(); ++i)
        file += (static_cast<int>(i) + 1 == number ? line : kWellFormedLines[i]) + "\r\n";
    return file;
}

}  // namespace tw::test
