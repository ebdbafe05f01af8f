#pragma once
// A table as cells of text, however it was stored, with what is needed to
// name a cell to the user the way the user's own program names it: a line
// and a column of a text file, or a spreadsheet cell such as "C7".

#include <cstddef>
#include <string>
#include <vector>

namespace tw::import {

enum class CellNaming { LineAndColumn, SpreadsheetCell };

struct CellGrid {
    // Row by row; every row has the same number of cells once the grid has
    // been squared (see square_grid).
    std::vector<std::vector<std::string>> cells;
    // 1-based line of the file (or row of the sheet) and column of each
    // row and column, kept as they were before empty ones were dropped.
    std::vector<int> row_numbers;
    std::vector<int> column_numbers;
    CellNaming naming = CellNaming::LineAndColumn;

    std::size_t rows() const { return cells.size(); }
    std::size_t columns() const { return cells.empty() ? 0 : cells.front().size(); }
};

// "line 7, column 3" or "cell C7" for the cell at grid row r, column c.
std::string cell_name(const CellGrid& grid, std::size_t r, std::size_t c);

// "line 7" or "row 7" for grid row r, as a whole line of the table.
std::string row_name(const CellGrid& grid, std::size_t r);

// Spreadsheet column letters: 1 -> "A", 27 -> "AA".
std::string column_letters(int column);

// Drops rows and columns in which every cell is blank, and pads a header
// row that is one cell short of every data row (R's write.table leaves out
// the heading of the row names) with an empty heading. Throws ImportError
// naming the row when a row has more or fewer cells than the first row, or
// when nothing is left.
void square_grid(CellGrid& grid);

// Leading and trailing blanks (and tabs) removed.
std::string trimmed(const std::string& text);

}  // namespace tw::import
