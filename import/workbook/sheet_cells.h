#pragma once
// Cells gathered from a sheet's XML, at their 1-based row and column, and
// turned into a grid.

#include <map>
#include <string>
#include <utility>

#include "import/cell_grid.h"
#include "import/table_limits.h"

namespace tw::import {

class SheetCells {
  public:
    // Throws ImportError when (row, column) is beyond the sheet limits, or
    // the cells would reach over more than kMaxTableCells.
    void put(int row, int column, std::string text);
    CellGrid grid() const;

  private:
    std::map<std::pair<int, int>, std::string> cells_;
    int rows_ = 0;
    int columns_ = 0;
};

// "C7" -> (7, 3); (0, 0) when the reference cannot be read.
std::pair<int, int> cell_reference(const std::string& ref);

}  // namespace tw::import
