#pragma once
// The states of the format check, one per kind of line, and the step each
// state performs on a press of Read/Continue. A step examines the current
// line (or, for the data lines, every station line) and leaves the next line
// loaded for the following press. Reading past the last line throws
// FileEnded: the check ends there.

#include <cstdint>

#include "datacheck/check_cursor.h"
#include "run/run_context.h"

namespace tw {

enum class LineState {
    Title,
    RowsColumns,
    ColumnLabels,
    DataLines,
    ReplicateGroups,
    ReplicateSequence,
    ExtraLines,
};

// Which state examines line `line_number`, given the rows declared on line 2.
LineState state_for_line(std::int32_t line_number, std::int32_t declared_rows);

// What the status label says while the state runs.
const char* status_text(LineState state);

void check_title_line(CheckCursor& cursor);
void check_rows_columns_line(CheckCursor& cursor);
void check_column_labels_line(CheckCursor& cursor);
void check_data_lines(CheckCursor& cursor);
// Also stores the following line, as it stands in the file, in
// ctx.ReplicateSequenceText.
void check_replicate_group_line(CheckCursor& cursor, RunContext& ctx);
void check_replicate_sequence_line(CheckCursor& cursor);
// Reads what is left of the file without looking at it; always ends the check.
[[noreturn]] void skip_extra_lines(CheckCursor& cursor);

// The TAB fault of the label and data lines, which report where the tab is.
std::string tab_in_position_message(std::int32_t position);

}  // namespace tw
