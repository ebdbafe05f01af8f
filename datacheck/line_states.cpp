#include "datacheck/line_states.h"

namespace tw {

LineState state_for_line(std::int32_t line_number, std::int32_t declared_rows) {
    // In 64 bits: a declared row count near the 32-bit limit must not wrap.
    const std::int64_t line = line_number;
    const std::int64_t last_data_line = std::int64_t{declared_rows} + 3;
    if (line <= 1) return LineState::Title;
    if (line == 2) return LineState::RowsColumns;
    if (line == 3) return LineState::ColumnLabels;
    if (line <= last_data_line) return LineState::DataLines;
    if (line == last_data_line + 1) return LineState::ReplicateGroups;
    if (line == last_data_line + 2) return LineState::ReplicateSequence;
    return LineState::ExtraLines;
}

const char* status_text(LineState state) {
    switch (state) {
        case LineState::Title:
            return "Examining Title Line";
        case LineState::RowsColumns:
            return "Examining Rows/Columns Line";
        case LineState::ColumnLabels:
            return "Examining Column Labels";
        case LineState::DataLines:
            return "Examining Data Lines";
        case LineState::ReplicateGroups:
            return "Examining replicate groups designator";
        case LineState::ReplicateSequence:
            return "Examining Replicate Sequence Line";
        case LineState::ExtraLines:
            return "Examining Extra Lines";
    }
    return "";
}

std::string tab_in_position_message(std::int32_t position) {
    return "TAB character in position " + plain_number(position) +
           " of the string -- Replace all tabs with spaces";
}

void skip_extra_lines(CheckCursor& cursor) {
    cursor.view().set_last_char_caption(data_check_text::kPastLastData);
    while (!cursor.file_at_end()) cursor.read_line();
    throw FileEnded{};
}

}  // namespace tw
