#pragma once
// A file the user chose as the data of a run, from its name and first bytes
// to what a run reads: the program's own data file as it stands, or a table
// (delimited text or a workbook) whose cells the import dialog previews and
// whose import the commands and the dialog write as a data file. The
// windows, tarnwick-batch and tarnwick-import all read a chosen file here,
// so that they tell its kind, cap its size and word its refusals alike.
// It lives beside the workbook reader because a chosen file may be one.

#include <string>
#include <string_view>
#include <vector>

#include "import/cell_grid.h"
#include "import/import_options.h"
#include "import/table_import.h"

namespace tw::import {

enum class ChosenKind {
    DataFile,   // the program's own data file: a run reads it as it stands
    TextTable,  // delimited text (.csv, .tsv, R's write.table ...)
    Workbook,   // an .xlsx or .ods workbook
    NotATable,  // a PDF, a picture, a zip, an .xls, binary data, or too large
    Unopened,   // no such file, or it cannot be opened
};

struct ChosenFile {
    std::string path;
    ChosenKind kind = ChosenKind::Unopened;
    // Why the file cannot be imported, naming it; empty for a table.
    std::string refusal;
    std::string text;                 // a text table, decoded to UTF-8
    std::vector<std::string> sheets;  // a workbook's sheets, in its order
};

// Reads the file once: its first bytes tell the data file from a table and
// a table from a file no reader can use; a text table is then read whole
// (refused beyond kMaxTextFileBytes, before it is read), a workbook's sheet
// names listed. Never throws: what went wrong is in `refusal`.
ChosenFile open_chosen_file(const std::string& path);

// True when a run reads the file as it stands: the program's own data file,
// or a file it cannot open, which the run reports as any data file it
// cannot open.
bool runs_as_it_stands(const ChosenFile& file);

// The separator a text table is split at: the one chosen, else the one
// detected.
Separator table_separator(const ChosenFile& file, const ImportOptions& options);

// The table's cells as `options` choose them: a text table split at
// table_separator, a workbook's sheet `options.sheet` (the first when
// empty). Throws ImportError, with `refusal` for a file that is no table.
CellGrid table_cells(const ChosenFile& file, const ImportOptions& options);

// The table read from its cells. An ImportError's message gains a hint when
// the table's look explains the fault: a decimal comma in a comma-separated
// table whose rows differ in length, or a sheet without a number when the
// workbook has others. `sheet_choice` says where a sheet is chosen ("with
// --sheet").
ImportedTable import_cells(const ChosenFile& file, const CellGrid& cells,
                           const ImportOptions& options, const std::string& default_title,
                           std::string_view sheet_choice);

// table_cells then import_cells, titled by the table's name without its
// ending unless options.title says otherwise.
ImportedTable import_chosen_file(const ChosenFile& file, const ImportOptions& options,
                                 std::string_view sheet_choice);

}  // namespace tw::import
