#pragma once
// Taking labels and abundances out of cells, refusing each kind of bad cell
// with a message that names the cell and what it holds.

#include <string>
#include <vector>

#include "import/cell_number.h"
#include "import/oriented_grid.h"

namespace tw::import {

struct ValueRules {
    DecimalMark mark = DecimalMark::Point;
    bool missing_as_zero = false;
    int filled = 0;  // missing values read as 0 so far
};

// The abundance in cell (r, c) as plain decimal text.
std::string abundance_at(const OrientedGrid& view, std::size_t r, std::size_t c,
                         const std::string& station, const std::string& species, ValueRules& rules);

// The label in cell (r, c), made fit for the data file; `what` names it in
// the message when it is empty ("station label").
std::string label_at(const OrientedGrid& view, std::size_t r, std::size_t c,
                     const std::string& what);

// A label as the data file can hold it: double quotes become single ones
// (a double quote ends a label there), tabs and line breaks become blanks.
std::string data_file_label(const std::string& text);

// Refuses the first label that repeats an earlier one; `names` are the
// cells' names, `what` says what the labels are ("station").
void require_unique(const std::vector<std::string>& labels, const std::vector<std::string>& names,
                    const std::string& what);

}  // namespace tw::import
