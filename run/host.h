#pragma once
// The one channel between the computational core and the outside world.
//
// The windows implement it with widgets; the tests implement it with a
// scripted host that records what was printed and answers questions from a
// queue. The core never blocks on anything but Host::ask.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "run/link_result.h"
#include "run/printer.h"
#include "run/text_target.h"

namespace tw {

enum class Answer { Yes, No, Cancel, Ok };
enum class Buttons { Ok, YesNo, YesNoCancel };

// Windows and the controls whose visibility the core changes (the windows'
// names as scripts know them: Form1, Form2, Form3, Form4, FORM5, DataCheck).
enum class Window { Start, Options, Method, Dendrogram, Results, DataCheck };
enum class Control {
    DendrogramContinue,  // Form4.Command1, "Continue"
    ResultsFinish,       // FORM5.Command1, "Finish"
};

// The dendrogram picture box, in drawing units (x to the right, y down).
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void clear() = 0;
    // The drawing area's extent in drawing units (640 x 320 for the dendrogram).
    virtual void set_scale(float width, float height) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // Text whose top-left corner is at (x, y).
    virtual void text(float x, float y, const std::string& s) = 0;
};

enum class GridColour { WindowText, TooltipText };

// The results grid of the "Messages & Linkage Table" window.
class ResultsGrid {
  public:
    virtual ~ResultsGrid() = default;
    // Rows 0..rows-1: row 0 holds the headings.
    virtual void set_rows(int rows) = 0;
    virtual void set_cell(int row, int column, const std::string& text) = 0;
    // The colour is a property of the whole grid, not of one cell.
    virtual void set_text_colour(GridColour colour) = 0;
};

enum class OpenMode { Write, Append };

// How far the significance test has come, for a progress display. The
// bootstrap counts replicates, the similarity profile test permuted sets;
// its total shrinks as linkages without structure close their branches.
struct TestProgress {
    std::int32_t linkage = 0;           // the linkage under test, 1..linkages
    std::int32_t linkages = 0;          // linkages in the hierarchy (NumGroups - 1)
    std::int64_t replicates_done = 0;   // replicates finished in the whole test so far
    std::int64_t replicates_total = 0;  // linkages x replicates per linkage
    SignificanceTest test = SignificanceTest::Bootstrap;
    // The test's own estimate of the time it still needs, in milliseconds;
    // -1 while it has none.
    std::int64_t ms_left = -1;
    // Before the test proper: a few trials of each linkage are being timed
    // for the time left (`linkage` is the one timed, nothing is done yet).
    bool timing = false;
};

class Host {
  public:
    virtual ~Host() = default;

    // Form2.PicBox1, where every stage prints its progress notes.
    virtual Printer& messages() = 0;
    // FORM5.link_table.
    virtual Printer& link_table() = 0;

    // A modal message box. With Buttons::Ok the answer is Answer::Ok.
    virtual Answer ask(std::string_view title, std::string_view text, Buttons buttons) = 0;
    // Something the user should know that does not stop the run (a message
    // box with OK in the windows). The batch command prints it, since it
    // takes an OK-only message box for the reason a stage stopped.
    virtual void note(std::string_view title, std::string_view text) {
        ask(title, text, Buttons::Ok);
    }

    // Let the window system process pending events. The core calls this at
    // every pause point, often from its innermost loops (once per species of
    // every pair), so the common case is only a countdown: every
    // yield_stride() calls the host's process_events() runs, and a window
    // host decides there, by elapsed time, whether to let the windows in.
    void yield() {
        if (--yield_countdown_ > 0 && !turn_due_.load(std::memory_order_relaxed)) return;
        take_turn();
    }
    // The pause points of `count` yield() calls at once, for loops that work
    // on a block of values and reach their pause points together:
    // process_events() runs as many times as those calls would have run it.
    void yield_for(std::int64_t count) {
        yield_countdown_ -= count;
        if (turn_due_.load(std::memory_order_relaxed)) {
            turn_due_.store(false, std::memory_order_relaxed);
            process_events();
        }
        while (yield_countdown_ <= 0) {
            yield_countdown_ += yield_stride_;
            process_events();
        }
    }

    // Open an output by name: a file path or one of the devices "SCRN:" and
    // "LPT1:". Returns null when it cannot be opened.
    virtual std::unique_ptr<TextTarget> open_output(const std::string& name, OpenMode mode) = 0;

    virtual Canvas& dendrogram() = 0;
    virtual ResultsGrid& grid() = 0;

    virtual void show(Window window, bool visible) = 0;
    virtual void show(Control control, bool visible) = 0;

    // Every channel has been closed; leave the event loop.
    virtual void end_program() = 0;

    // The bootstrap test reports its progress at the start of every linkage
    // and after every replicate; the windows show it in a progress bar, the
    // batch command on standard error.
    virtual void test_progress(const TestProgress& /*progress*/) {}
    // True once the user has asked to stop the bootstrap test.
    virtual bool stop_requested() const { return false; }

  protected:
    // How many yield() calls make one process_events(); 1 runs it every time.
    explicit Host(int yield_stride = 1) : yield_stride_(yield_stride < 1 ? 1 : yield_stride) {}
    virtual void process_events() = 0;
    // The next yield() runs process_events(), e.g. once the user has asked
    // to end the program while a stage is running.
    void yield_soon() { yield_countdown_ = 1; }
    // The next yield() runs process_events() whatever its countdown says.
    // Safe from any thread: a window host's clock thread calls it, so that a
    // stage whose pause points lie far apart still lets the windows in on
    // time.
    void request_turn() { turn_due_.store(true, std::memory_order_relaxed); }

  private:
    void take_turn() {
        yield_countdown_ = yield_stride_;
        turn_due_.store(false, std::memory_order_relaxed);
        process_events();
    }

    int yield_stride_;
    std::int64_t yield_countdown_ = 1;
    // Raised from another thread; a copy of a host starts with it lowered.
    struct TurnFlag : std::atomic<bool> {
        TurnFlag() : std::atomic<bool>(false) {}
        TurnFlag(const TurnFlag&) : std::atomic<bool>(false) {}
        TurnFlag& operator=(const TurnFlag&) { return *this; }
    };
    TurnFlag turn_due_;
};

}  // namespace tw
