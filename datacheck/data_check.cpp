#include "datacheck/data_check.h"

#include "datacheck/check_cursor.h"
#include "datacheck/line_source.h"
#include "datacheck/line_states.h"
#include "run/entry_point.h"

namespace tw {

namespace {

// Marks the checker busy for the length of one press, however it ends.
class BusyGuard {
  public:
    explicit BusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyGuard() { busy_ = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    bool& busy_;
};

// The check cannot start without its file. This is reported like any other
// unreadable file: the check window goes, and the options window stays
// usable so that another file can be named.
RunError unopenable_file(const std::string& input_file) {
    if (input_file.empty()) {
        return RunError("Input File Error",
                        "No input data file has been named. Name one in the options window "
                        "and press Continue again.");
    }
    return RunError("Input File Error", "The input data file " + input_file +
                                            " cannot be opened for reading. Check its name in "
                                            "the options window and press Continue again.");
}

}  // namespace

DataCheck::DataCheck(RunContext& ctx, Host& host, DataCheckView& view)
    : ctx_(ctx), host_(host), view_(view) {}

DataCheck::~DataCheck() = default;

Outcome DataCheck::read_pressed(const std::string& input_file) {
    // A press that arrives while a scan yields to the window system would
    // otherwise start a second scan of the same line.
    if (busy_) return Outcome::Completed;
    BusyGuard guard(busy_);
    const Outcome outcome = run_guarded(ctx_, host_, [&] {
        step(input_file);
        return Outcome::Completed;
    });
    if (outcome == Outcome::Failed) {
        close_file();
        state_.CheckStarted = false;
        state_.Finished = true;
        view_.unload();
    }
    return outcome;
}

void DataCheck::exit_pressed() {
    if (busy_) {
        // The scan on the stack below stops at its next yield and ends the
        // program from there, once nothing is using the file any more.
        exit_requested_ = true;
        return;
    }
    close_file();
    end_program(ctx_, host_);
}

void DataCheck::step(const std::string& input_file) {
    try {
        if (!state_.CheckStarted) {
            first_press(input_file);
        } else {
            examine_current_line();
        }
    } catch (const FileEnded&) {
        end_check();
    } catch (const CheckStopped&) {
        close_file();
        throw ProgramEnd{};
    } catch (const ProgramEnd&) {
        close_file();
        throw;
    }
}

void DataCheck::first_press(const std::string& input_file) {
    // Every check starts afresh; in particular a sign message silenced in an
    // earlier check is asked again.
    state_ = DataCheckState{};
    ctx_.ReplicateSequenceText.clear();
    view_.show_text(DataCheckField::FileName, input_file);
    file_ = LineSource::open(input_file);
    if (!file_) throw unopenable_file(input_file);
    state_.CheckStarted = true;
    CheckCursor cursor(state_, *file_, host_, view_, exit_requested_);
    cursor.read_line();
    view_.show_display_fields();
    view_.set_read_caption(data_check_text::kContinue);
}

void DataCheck::examine_current_line() {
    CheckCursor cursor(state_, *file_, host_, view_, exit_requested_);
    const std::int32_t examined = state_.LineNumber;
    const std::int32_t examined_length = state_.LineLength;
    view_.show_text(DataCheckField::LineNum, plain_number(state_.LineNumber));
    view_.show_text(DataCheckField::TotChar, plain_number(state_.LineLength));
    const LineState line_state = state_for_line(state_.LineNumber, state_.DeclaredRows);
    view_.show_text(DataCheckField::Status, status_text(line_state));
    switch (line_state) {
        case LineState::Title:
            check_title_line(cursor);
            break;
        case LineState::RowsColumns:
            check_rows_columns_line(cursor);
            break;
        case LineState::ColumnLabels:
            check_column_labels_line(cursor);
            break;
        case LineState::DataLines:
            check_data_lines(cursor);
            break;
        case LineState::ReplicateGroups:
            check_replicate_group_line(cursor, ctx_);
            break;
        case LineState::ReplicateSequence:
            check_replicate_sequence_line(cursor);
            break;
        case LineState::ExtraLines:
            skip_extra_lines(cursor);
            return;
    }
    show_examined_line(cursor, examined, examined_length);
}

// A state ends by reading the next line; until the next press examines it,
// the display stays on the line and character this press looked at last.
void DataCheck::show_examined_line(const CheckCursor& cursor, std::int32_t line,
                                   std::int32_t length) {
    if (cursor.shown_line() > 0) {
        line = cursor.shown_line();
        length = cursor.shown_length();
    }
    view_.show_text(DataCheckField::LineNum, plain_number(line));
    view_.show_text(DataCheckField::TotChar, plain_number(length));
}

std::string check_result_text(std::int32_t faults) {
    if (faults <= 0) return "The format check found no faults";
    if (faults == 1) return "The format check found 1 fault; you answered Yes to go on";
    return "The format check found " + plain_number(faults) +
           " faults; you answered Yes to go on after each";
}

void DataCheck::end_check() {
    close_file();
    state_.CheckStarted = false;
    state_.Finished = true;
    view_.unload();
    host_.show(Window::Method, true);
}

void DataCheck::close_file() {
    file_.reset();
}

}  // namespace tw
