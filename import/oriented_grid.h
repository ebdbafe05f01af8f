#pragma once
// A grid seen with the stations as rows, whichever way the table holds them,
// while cells are still named as the user's table has them.

#include <string>

#include "import/cell_grid.h"
#include "import/import_options.h"

namespace tw::import {

class OrientedGrid {
  public:
    OrientedGrid(const CellGrid& grid, Orientation orientation)
        : grid_(grid), transposed_(orientation == Orientation::StationsAsColumns) {}

    std::size_t rows() const { return transposed_ ? grid_.columns() : grid_.rows(); }
    std::size_t columns() const { return transposed_ ? grid_.rows() : grid_.columns(); }
    const std::string& at(std::size_t r, std::size_t c) const {
        return transposed_ ? grid_.cells[c][r] : grid_.cells[r][c];
    }
    // "Line 7, column 3" or "Cell C7", for the start of a message.
    std::string name(std::size_t r, std::size_t c) const;
    // What a heading names in messages: "column" or, transposed, "row".
    std::string line_word() const { return transposed_ ? "row" : "column"; }
    std::string heading_place() const {
        return transposed_ ? "the table's first column" : "the table's first row";
    }

  private:
    const CellGrid& grid_;
    bool transposed_;
};

// The index of the column (the row, transposed) whose heading is `name`,
// compared without surrounding blanks; throws ImportError when none is.
std::size_t find_heading(const OrientedGrid& view, const std::string& name);

}  // namespace tw::import
