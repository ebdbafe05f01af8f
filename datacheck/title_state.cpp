// Line 1: the title, which must stand between double quotes.

#include "datacheck/line_states.h"

namespace tw {

namespace {

constexpr const char* kTitleLine = "Title Line Error";

// Shows the character when the line has one there; an empty line has none.
void show_if_present(CheckCursor& cursor, std::int32_t position) {
    if (position >= 1 && position <= cursor.state().LineLength) cursor.show_char(position);
}

}  // namespace

void check_title_line(CheckCursor& cursor) {
    show_if_present(cursor, 1);
    if (cursor.first() != "\"") cursor.fault(kTitleLine, "missing quote at beginning of line");
    show_if_present(cursor, cursor.state().LineLength);
    if (cursor.last() != "\"") cursor.fault(kTitleLine, "missing quote at end of line");
    cursor.end_scan();
    cursor.read_line();
}

}  // namespace tw
