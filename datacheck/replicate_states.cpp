// The two lines after the stations: the number of replicate groups, and the
// number of stations in each group.

#include "datacheck/line_characters.h"
#include "datacheck/line_states.h"
#include "run/text_number.h"

namespace tw {

namespace {

constexpr const char* kGroupLine = "error on replicate group line";
constexpr const char* kSequenceLine = "error on replicates line";
constexpr const char* kSequenceTotals = "error in replicates sequence string";

// A quoted line of data-line length where the group count should be means the
// header declared fewer stations than the file holds.
std::string group_line_message(const DataCheckState& s) {
    if (s.CurrentChar == "\"" && s.CharPosition == 1 && s.LineLength > 7) {
        return "File header says there should be " + plain_number(s.DeclaredRows) +
               " rows of data and this row should contain a single value for the number of "
               "replicates -- check the number of data rows";
    }
    return "Non-numeric character detected -- this line should contain a single numeric value";
}

}  // namespace

void check_replicate_group_line(CheckCursor& cursor, RunContext& ctx) {
    DataCheckState& s = cursor.state();
    std::string text;
    for (std::int32_t pos = 1; pos <= s.LineLength; ++pos) {
        cursor.show_char(pos);
        text += s.CurrentChar;
        if (!is_decimal_digit(s.CurrentChar)) cursor.fault(kGroupLine, group_line_message(s));
        cursor.yield();
    }
    cursor.end_scan();
    s.ReplicateGroupCount = whole_number_setting(text);
    ctx.ReplicateSequenceText = cursor.read_line();
}

void check_replicate_sequence_line(CheckCursor& cursor) {
    DataCheckState& s = cursor.state();
    std::int64_t values = 0;
    std::int64_t sum = 0;  // of 32-bit counts, so it cannot overflow here
    std::string digits;
    bool in_number = false;
    for (std::int32_t pos = 1; pos <= s.LineLength; ++pos) {
        cursor.show_char(pos);
        const std::string& c = s.CurrentChar;
        if (is_decimal_digit(c)) {
            digits += c;
            if (!in_number) ++values;
            in_number = true;
        } else if (c == "," || c == " ") {
            in_number = false;
            if (digits_value(digits) > 0) {
                sum += digits_value(digits);
                digits.clear();
            }
        } else {
            cursor.fault(kSequenceLine,
                         "Non-numeric character detected -- this line should contain only "
                         "numeric values, commas, and spaces");
        }
        cursor.yield();
    }
    cursor.end_scan();

    if (values < s.ReplicateGroupCount) {
        cursor.fault(kSequenceTotals,
                     "The number of values in replicate sequence line is less than that "
                     "specified on the Replicate Group line");
    } else if (values > s.ReplicateGroupCount) {
        cursor.fault(kSequenceTotals,
                     "The number of values in replicate sequence line is greater than that "
                     "specified on the Replicate Group line");
    }
    sum += digits_value(digits);  // the last value has no separator after it
    if (sum > s.DeclaredRows) {
        cursor.fault(kSequenceTotals,
                     "The number of replicates adds to more than the number of data lines");
    } else if (sum < s.DeclaredRows) {
        cursor.fault(kSequenceTotals,
                     "The number of replicates adds to fewer than the number of data lines");
    }
    cursor.read_line();
}

}  // namespace tw
