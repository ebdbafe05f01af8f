#pragma once
// A species table or workbook given to a command in place of the program's
// own data file: the commands read it the way the import dialog does.

#include <stdexcept>
#include <string>

#include "import/import_options.h"
#include "import/table_import.h"

namespace tw::cli {

// The table cannot be read at all (as opposed to a table that is refused).
struct TableFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// True when `path` holds the program's own data file; false for a table to
// import. A file that cannot be read counts as a data file, so that the run
// reports it as it reports any data file it cannot open.
bool is_program_data_file(const std::string& path);

// Reads the table or workbook at `path` with `options`. Throws TableFileError
// when it cannot be read and import::ImportError when it is refused.
tw::import::ImportedTable read_table(const std::string& path, const import::ImportOptions& options);

}  // namespace tw::cli
