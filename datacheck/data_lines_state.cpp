// Lines 4 onwards: one line per station, a quoted label and then one value
// per species. All of them are examined on one press.

#include "datacheck/line_characters.h"
#include "datacheck/line_states.h"
#include "run/outcome.h"

namespace tw {

namespace {

constexpr const char* kDataLine = "error on data line";
constexpr const char* kValueCountLine = "error in data line";

enum class Label { None, Open, Closed };

bool is_sign_or_exponent(const std::string& c) {
    return c == "-" || c == "+" || c == "E" || c == "e";
}

// Characters that may stand among the values without comment.
bool is_plain_value_character(const std::string& c) {
    return is_decimal_digit(c) || c == "," || c == "\"" || c == " " || c == ".";
}

// Signs and exponents are legitimate in some files, so the user may silence
// this one question for the rest of the data lines.
void ask_about_sign(CheckCursor& cursor) {
    DataCheckState& s = cursor.state();
    if (s.SignMessagesSilenced) return;
    const Answer answer = cursor.host().ask(
        std::string(kDataLine) + " Click NO to Exit",
        "A '-', '+', or 'E' character was detected. If you wish to continue detecting these "
        "errors, click YES. If you wish to skip messages about these symbols, click CANCEL.",
        Buttons::YesNoCancel);
    if (answer == Answer::No) throw ProgramEnd{};
    ++s.FaultsAnswered;
    if (answer == Answer::Cancel) s.SignMessagesSilenced = true;
}

void report_value_character(CheckCursor& cursor, std::int32_t pos) {
    const DataCheckState& s = cursor.state();
    const std::string& c = s.CurrentChar;
    if (is_plain_value_character(c)) return;
    if (c == "\t") {
        cursor.fault(kDataLine, tab_in_position_message(pos));
    } else if (is_sign_or_exponent(c)) {
        ask_about_sign(cursor);
    } else {
        cursor.fault(kDataLine, "a non-numeric character was found in position " +
                                    plain_number(pos) +
                                    " of the string on line: " + plain_number(s.LineNumber));
    }
}

void check_value_count(CheckCursor& cursor, std::int64_t values) {
    const DataCheckState& s = cursor.state();
    const std::string row = plain_number(std::int64_t{s.LineNumber} - 3);
    if (values > s.DeclaredColumns) {
        cursor.fault(kValueCountLine,
                     "too many data values -- check that each value is separated by only one "
                     "space on row: " +
                         row);
    } else if (values < s.DeclaredColumns) {
        cursor.fault(kValueCountLine,
                     "too few data values -- check that each value is separated by at least "
                     "one space on row: " +
                         row);
    }
}

void check_data_line(CheckCursor& cursor) {
    DataCheckState& s = cursor.state();
    if (cursor.first() != "\"") {
        cursor.fault("Column Label Line Error",
                     "missing quote at beginning of line: " + plain_number(s.LineNumber));
    }
    Label label = Label::None;
    bool in_number = false;
    std::int64_t values = 0;
    for (std::int32_t pos = 1; pos <= s.LineLength; ++pos) {
        cursor.show_char(pos);
        const std::string& c = s.CurrentChar;
        if (c == "\"") {
            label = pos == 1 ? Label::Open : Label::Closed;
        } else if (label == Label::Closed) {
            report_value_character(cursor, pos);
            if (is_decimal_digit(c) || c == "." || is_sign_or_exponent(c)) {
                if (!in_number) ++values;
                in_number = true;
            } else {
                in_number = false;
            }
        }
        if (c == "\"") in_number = false;
        cursor.yield();
    }
    cursor.end_scan();
    // Compared after the scan, so that an empty line too is short of values.
    check_value_count(cursor, values);
}

}  // namespace

void check_data_lines(CheckCursor& cursor) {
    const DataCheckState& s = cursor.state();
    const std::int64_t last_data_line = std::int64_t{s.DeclaredRows} + 3;
    while (s.LineNumber <= last_data_line) {
        check_data_line(cursor);
        cursor.read_line();
    }
}

}  // namespace tw
