#pragma once
// A host for tests: records everything the core shows and answers questions
// from a queue. A question nobody queued an answer for fails the test.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "run/host.h"

namespace tw::test {

// A text target that keeps what is shown (since the last clear) and the
// whole history (clears marked as "<CLEAR>\n").
class RecordingTarget : public TextTarget {
  public:
    void write(std::string_view text) override {
        shown.append(text);
        history.append(text);
    }
    void clear() override {
        shown.clear();
        history += "<CLEAR>\n";
    }
    std::string shown;
    std::string history;
};

struct DrawnLine {
    float x1, y1, x2, y2;
};
struct DrawnText {
    float x, y;
    std::string text;
};

class RecordingCanvas : public Canvas {
  public:
    void clear() override {
        lines.clear();
        texts.clear();
        ++clears;
    }
    void set_scale(float w, float h) override { width = w, height = h; }
    void line(float x1, float y1, float x2, float y2) override {
        lines.push_back({x1, y1, x2, y2});
    }
    void text(float x, float y, const std::string& s) override { texts.push_back({x, y, s}); }
    std::vector<DrawnLine> lines;
    std::vector<DrawnText> texts;
    float width = 0, height = 0;
    int clears = 0;
};

class RecordingGrid : public ResultsGrid {
  public:
    void set_rows(int r) override { rows = r; }
    void set_cell(int row, int column, const std::string& text) override {
        cells[{row, column}] = text;
    }
    void set_text_colour(GridColour c) override { colour = c; }
    std::string cell(int row, int column) const {
        auto it = cells.find({row, column});
        return it == cells.end() ? std::string() : it->second;
    }
    int rows = 0;
    std::map<std::pair<int, int>, std::string> cells;
    GridColour colour = GridColour::WindowText;
};

struct AskedQuestion {
    std::string title;
    std::string text;
    Buttons buttons;
};

class ScriptedHost : public Host {
  public:
    ScriptedHost();

    // Queue the answer to the next question.
    ScriptedHost& answer(Answer a) {
        answers.push_back(a);
        return *this;
    }

    Printer& messages() override { return message_printer_; }
    Printer& link_table() override { return link_printer_; }
    Answer ask(std::string_view title, std::string_view text, Buttons buttons) override;
    std::unique_ptr<TextTarget> open_output(const std::string& name, OpenMode mode) override;
    Canvas& dendrogram() override { return canvas; }
    ResultsGrid& grid() override { return results; }
    void show(Window w, bool visible) override { window_visible[w] = visible; }
    void show(Control c, bool visible) override { control_visible[c] = visible; }
    void end_program() override { ended = true; }
    // Every yield of the core is counted: tests check the pause points.
    void process_events() override { ++yields; }
    void test_progress(const TestProgress& p) override { progress.push_back(p); }
    // The user presses "Stop test" once stop_after replicates are done.
    bool stop_requested() const override {
        return stop_after >= 0 && !progress.empty() &&
               progress.back().replicates_done >= stop_after;
    }

    // Contents of an output written through open_output ("" if never opened).
    std::string file(const std::string& name) const;
    bool opened(const std::string& name) const { return files.count(name) != 0; }
    bool visible(Window w) const;

    RecordingTarget message_area;
    RecordingTarget link_area;
    RecordingCanvas canvas;
    RecordingGrid results;
    std::deque<Answer> answers;
    std::vector<AskedQuestion> questions;
    std::map<std::string, std::string> files;  // outputs by name, as written
    std::set<std::string> unopenable;          // names open_output refuses
    std::map<Window, bool> window_visible;
    std::map<Control, bool> control_visible;
    long long yields = 0;
    bool ended = false;
    std::vector<TestProgress> progress;  // every report of the bootstrap test
    std::int64_t stop_after = -1;        // -1: the test is never stopped

  private:
    Printer message_printer_;
    Printer link_printer_;
};

}  // namespace tw::test
