#pragma once
// Delimited text tables (comma, semicolon or tab between cells) as
// spreadsheets and R write them: cells in double quotes may hold separators,
// line breaks and doubled quotes; lines end in LF, CR LF or CR.

#include <string>
#include <string_view>

#include "import/cell_grid.h"

namespace tw::import {

enum class Separator { Comma, Semicolon, Tab };

// The separator that splits the first lines into the same number of cells
// (more than one) on every line, preferring tab, then semicolon, then comma,
// since a decimal comma can make commas look consistent too. With none
// consistent, the one seen most often in the first line.
Separator detect_separator(std::string_view text);

// The cells of the text, line by line; the grid is not yet squared. Throws
// ImportError when a quoted cell is never closed.
CellGrid parse_delimited(std::string_view text, Separator separator);

char separator_char(Separator separator);
std::string separator_name(Separator separator);

}  // namespace tw::import
