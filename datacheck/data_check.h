#pragma once
// The interactive format check of an input data file: one step per press of
// the window's Read/Continue button, from the title line to the replicate
// sequence line, each fault put to the user as a Yes/No question. The check
// never writes the file and never fills the data model; the only thing the
// rest of the program takes from it is RunContext::ReplicateSequenceText.
//
// The window owns one DataCheck for as long as it is loaded and forwards its
// button events here. Each call is one complete step; the check yields to the
// window system while it scans characters, and re-entrant presses of
// Command1 during that time are ignored.

#include <cstdint>
#include <memory>
#include <string>

#include "datacheck/data_check_view.h"
#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

class CheckCursor;
class LineSource;

// The checker's state between presses.
struct DataCheckState {
    bool CheckStarted = false;      // from the first press until the check ends
    std::int32_t LineNumber = 0;    // 1-based number of CurrentLine
    std::string CurrentLine;        // trimmed of leading and trailing blanks
    std::int32_t LineLength = 0;    // characters in CurrentLine
    std::int32_t CharPosition = 0;  // 1-based position under examination
    std::string CurrentChar;        // the character under examination
    std::int32_t DeclaredRows = 0;  // from line 2
    std::int16_t DeclaredColumns = 0;
    std::int32_t ReplicateGroupCount = 0;
    bool SignMessagesSilenced = false;  // Cancel to the sign/exponent message
    bool Finished = false;              // the check has ended (or the file could not be opened)
    std::int32_t FaultsAnswered = 0;    // faults the user chose to go on from
};

// What the resemblance-and-linkage window says once a check has ended:
// "The format check found no faults", or how many the user went on from.
std::string check_result_text(std::int32_t faults_answered);

class DataCheck {
  public:
    DataCheck(RunContext& ctx, Host& host, DataCheckView& view);
    ~DataCheck();
    DataCheck(const DataCheck&) = delete;
    DataCheck& operator=(const DataCheck&) = delete;

    // Command1 pressed. `input_file` is the options window's input-file box
    // as it reads now; only the first press uses it. Handles every early stop
    // itself (No answers end the program; a file that cannot be opened is
    // reported and the window unloads, leaving the options window usable),
    // so it never throws for them; wrapping it in run_guarded is harmless.
    Outcome read_pressed(const std::string& input_file);

    // Command2 ("Exit") pressed: the program ends at once.
    void exit_pressed();

    const DataCheckState& state() const { return state_; }

  private:
    void step(const std::string& input_file);
    void first_press(const std::string& input_file);
    void examine_current_line();
    void show_examined_line(const CheckCursor& cursor, std::int32_t line, std::int32_t length);
    void end_check();
    void close_file();

    RunContext& ctx_;
    Host& host_;
    DataCheckView& view_;
    DataCheckState state_;
    std::unique_ptr<LineSource> file_;
    bool busy_ = false;
    bool exit_requested_ = false;
};

}  // namespace tw
