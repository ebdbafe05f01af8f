// Line 3: the species labels, each between double quotes, headed by the
// label of the station-label column.

#include "datacheck/line_states.h"

namespace tw {

namespace {

constexpr const char* kQuoteTitle = "Column Label Line Error";
constexpr const char* kLabelLine = "error on column label line";

}  // namespace

void check_column_labels_line(CheckCursor& cursor) {
    DataCheckState& s = cursor.state();
    if (cursor.first() != "\"") cursor.fault(kQuoteTitle, "missing quote at beginning of line");
    if (cursor.last() != "\"") cursor.fault(kQuoteTitle, "missing quote at end of line");

    std::int64_t quotes = 0;
    for (std::int32_t pos = 1; pos <= s.LineLength; ++pos) {
        cursor.show_char(pos);
        if (s.CurrentChar == "\"") ++quotes;
        if (s.CurrentChar == "\t") cursor.fault(kLabelLine, tab_in_position_message(pos));
        cursor.yield();
    }
    cursor.end_scan();

    // Each completed pair of quotes is one label; the first names the
    // station-label column.
    const std::int64_t labels = quotes / 2;
    const std::int64_t expected = std::int64_t{s.DeclaredColumns} + 1;
    if (labels > expected) {
        cursor.fault(kLabelLine,
                     "too many labels -- check that each data column label is enclosed in "
                     "quotes and that there are no extra quotation marks");
    } else if (labels < expected) {
        cursor.fault(kLabelLine,
                     "too few labels -- check that each data column label is enclosed in "
                     "quotes and that the line begins with a quoted label for the sample "
                     "label column");
    }
    cursor.read_line();
}

}  // namespace tw
