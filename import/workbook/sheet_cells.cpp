#include "import/workbook/sheet_cells.h"

#include <cctype>

#include "import/import_error.h"

namespace tw::import {

void SheetCells::put(int row, int column, std::string text) {
    if (trimmed(text).empty()) return;
    if (row > kMaxSheetRows) {
        throw ImportError("The sheet has cells down to row " + std::to_string(row) +
                          "; the program can hold at most 10000 stations.");
    }
    if (column > kMaxSheetColumns) {
        throw ImportError("The sheet has cells out to column " + column_letters(column) +
                          "; the program can hold at most 32767 species.");
    }
    const int rows = std::max(rows_, row), columns = std::max(columns_, column);
    // The grid is made square, so a lone cell far out costs as much as a full table.
    if (static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns) > kMaxTableCells) {
        throw ImportError("The sheet's cells reach from A1 to " + column_letters(columns) +
                          std::to_string(rows) + ", more than the " +
                          std::to_string(kMaxTableCells) +
                          " cells the program takes from one table (for instance 10000 stations "
                          "by 500 species).");
    }
    rows_ = rows;
    columns_ = columns;
    cells_[{row, column}] = std::move(text);
}

CellGrid SheetCells::grid() const {
    CellGrid g;
    g.naming = CellNaming::SpreadsheetCell;
    g.cells.assign(static_cast<std::size_t>(rows_),
                   std::vector<std::string>(static_cast<std::size_t>(columns_)));
    for (int r = 1; r <= rows_; ++r) g.row_numbers.push_back(r);
    for (int c = 1; c <= columns_; ++c) g.column_numbers.push_back(c);
    for (const auto& [at, text] : cells_) {
        g.cells[static_cast<std::size_t>(at.first - 1)][static_cast<std::size_t>(at.second - 1)] =
            text;
    }
    return g;
}

std::pair<int, int> cell_reference(const std::string& ref) {
    int column = 0, row = 0;
    std::size_t i = 0;
    for (; i < ref.size() && std::isalpha(static_cast<unsigned char>(ref[i])); ++i) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(ref[i])) - 'A' + 1);
        if (column > 1'000'000) return {0, 0};
    }
    for (; i < ref.size() && std::isdigit(static_cast<unsigned char>(ref[i])); ++i) {
        row = row * 10 + (ref[i] - '0');
        if (row > 10'000'000) return {0, 0};
    }
    if (i != ref.size()) return {0, 0};
    return {row, column};
}

}  // namespace tw::import
