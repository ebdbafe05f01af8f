#include "import/cell_grid.h"

#include <algorithm>

#include "import/import_error.h"

namespace tw::import {

namespace {

bool blank(const std::string& cell) {
    return trimmed(cell).empty();
}

bool row_blank(const std::vector<std::string>& row) {
    return std::all_of(row.begin(), row.end(), blank);
}

void drop_blank_rows(CellGrid& grid) {
    for (std::size_t r = grid.cells.size(); r-- > 0;) {
        if (!row_blank(grid.cells[r])) continue;
        grid.cells.erase(grid.cells.begin() + static_cast<std::ptrdiff_t>(r));
        grid.row_numbers.erase(grid.row_numbers.begin() + static_cast<std::ptrdiff_t>(r));
    }
}

// Cells past the last non-blank one of a row do not count: spreadsheets
// write separators for every column ever touched.
std::size_t used_width(const std::vector<std::string>& row) {
    std::size_t n = row.size();
    while (n > 0 && blank(row[n - 1])) --n;
    return n;
}

void pad_short_header(CellGrid& grid) {
    if (grid.cells.size() < 2) return;
    const std::size_t header = used_width(grid.cells.front());
    for (std::size_t r = 1; r < grid.cells.size(); ++r) {
        if (used_width(grid.cells[r]) != header + 1) return;
    }
    grid.cells.front().insert(grid.cells.front().begin(), std::string());
}

void drop_blank_columns(CellGrid& grid) {
    for (std::size_t c = grid.columns(); c-- > 0;) {
        const bool empty = std::all_of(grid.cells.begin(), grid.cells.end(),
                                       [&](const auto& row) { return blank(row[c]); });
        if (!empty) continue;
        for (auto& row : grid.cells) row.erase(row.begin() + static_cast<std::ptrdiff_t>(c));
        grid.column_numbers.erase(grid.column_numbers.begin() + static_cast<std::ptrdiff_t>(c));
    }
}

}  // namespace

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string column_letters(int column) {
    std::string letters;
    for (int n = column; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    }
    return letters;
}

std::string row_name(const CellGrid& grid, std::size_t r) {
    const int row = r < grid.row_numbers.size() ? grid.row_numbers[r] : static_cast<int>(r) + 1;
    return (grid.naming == CellNaming::SpreadsheetCell ? "row " : "line ") + std::to_string(row);
}

std::string cell_name(const CellGrid& grid, std::size_t r, std::size_t c) {
    const int row = r < grid.row_numbers.size() ? grid.row_numbers[r] : static_cast<int>(r) + 1;
    const int col =
        c < grid.column_numbers.size() ? grid.column_numbers[c] : static_cast<int>(c) + 1;
    if (grid.naming == CellNaming::SpreadsheetCell) {
        return "cell " + column_letters(col) + std::to_string(row);
    }
    return "line " + std::to_string(row) + ", column " + std::to_string(col);
}

void square_grid(CellGrid& grid) {
    drop_blank_rows(grid);
    if (grid.cells.empty())
        throw ImportError("The table is empty: it has no cells with anything in them.");
    pad_short_header(grid);
    const std::size_t width = used_width(grid.cells.front());
    for (std::size_t r = 1; r < grid.cells.size(); ++r) {
        const std::size_t used = used_width(grid.cells[r]);
        if (used > width || (used < width && grid.naming == CellNaming::LineAndColumn &&
                             grid.cells[r].size() < width)) {
            std::string place = row_name(grid, r);
            place[0] = static_cast<char>(place[0] - 'a' + 'A');
            const std::size_t found = used > width ? used : grid.cells[r].size();
            throw ImportError(place + " of the table has " + std::to_string(found) +
                              " cells where the first row has " + std::to_string(width) +
                              "; every row needs one cell per column.");
        }
    }
    for (auto& row : grid.cells) row.resize(width);
    grid.column_numbers.resize(width);
    for (std::size_t c = 0; c < width; ++c) {
        if (grid.column_numbers[c] == 0) grid.column_numbers[c] = static_cast<int>(c) + 1;
    }
    drop_blank_columns(grid);
}

}  // namespace tw::import
