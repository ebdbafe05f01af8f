#include "support/scripted_host.h"

#include <gtest/gtest.h>

namespace tw::test {

namespace {

// Writes into the host's map of outputs, so tests can read what was written
// even after the core has closed the channel.
class MemoryFile : public TextTarget {
  public:
    explicit MemoryFile(std::string& contents) : contents_(contents) {}
    void write(std::string_view text) override { contents_.append(text); }

  private:
    std::string& contents_;
};

}  // namespace

ScriptedHost::ScriptedHost() : message_printer_(&message_area), link_printer_(&link_area) {}

Answer ScriptedHost::ask(std::string_view title, std::string_view text, Buttons buttons) {
    questions.push_back({std::string(title), std::string(text), buttons});
    if (buttons == Buttons::Ok && (answers.empty() || answers.front() != Answer::Ok)) {
        return Answer::Ok;  // a message box with only OK needs no scripted answer
    }
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: [" << title << "] " << text;
        return Answer::No;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::unique_ptr<TextTarget> ScriptedHost::open_output(const std::string& name, OpenMode mode) {
    if (unopenable.count(name)) return nullptr;
    std::string& contents = files[name];
    if (mode == OpenMode::Write) contents.clear();
    return std::make_unique<MemoryFile>(contents);
}

std::string ScriptedHost::file(const std::string& name) const {
    auto it = files.find(name);
    return it == files.end() ? std::string() : it->second;
}

bool ScriptedHost::visible(Window w) const {
    auto it = window_visible.find(w);
    return it != window_visible.end() && it->second;
}

}  // namespace tw::test
