#pragma once
// Telling a table to import from the program's own data file, and where the
// data file made from a table goes by default.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/cell_grid.h"
#include "import/import_options.h"

namespace tw::import {

// True for a file that is the program's own data file (a quoted title alone
// on the first line, or the two counts alone on the second), false for a
// table that needs importing. `head` is the start of the file; workbooks
// are tables.
bool is_data_file(const std::string& path, std::string_view head);

// Next to the table, with the table's name and the ending ".txt"
// ("ponds.csv" -> "ponds.txt"); a table that already ends in ".txt" gets
// "_data.txt" so that it is never written over.
std::string default_data_file_path(const std::string& table_path);

// The headings of the columns (with stations as columns, of the rows) a
// user may choose the labels or the grouping from; empty when the grid has
// no cells.
std::vector<std::string> headings(CellGrid grid, Orientation orientation);

// Throws ImportError when a text table of `bytes` is larger than any table
// the program takes could be (kMaxTextFileBytes); it is then not read.
void check_text_table_size(std::uintmax_t bytes);

}  // namespace tw::import
