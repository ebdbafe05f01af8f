#pragma once
// Reading a cell as an abundance. The value goes into the program's data
// file as the decimal the user typed (point for decimal mark, no exponent, no
// sign), so the run reads exactly the number it would read from a file typed
// by hand.

#include <optional>
#include <string>

#include "import/cell_grid.h"

namespace tw::import {

enum class DecimalMark { Point, Comma };

enum class CellKind { Number, Missing, Text };

struct CellValue {
    CellKind kind = CellKind::Text;
    double value = 0;   // for a number
    std::string plain;  // for a number: plain decimal text with a point, e.g. "12.5"
};

// Missing values are blank cells, "NA", "NaN", "N/A" and "?". A decimal mark
// other than the one chosen makes a cell text, not a number ("1.5" with
// decimal commas), so that a wrong choice shows up instead of shifting
// values by powers of ten.
CellValue read_cell(const std::string& cell, DecimalMark mark);

// Comma when some cells are numbers written with a decimal comma and none
// with a decimal point; otherwise point.
DecimalMark detect_decimal_mark(const CellGrid& grid);

std::string decimal_mark_name(DecimalMark mark);

// The decimal written without exponent: "1.5e3" -> "1500", "2E-2" -> "0.02".
// `digits` are the mantissa's digits with the point at `point` (digits
// before it); the result has no superfluous leading or trailing zeros.
std::string plain_decimal(const std::string& digits, long point);

}  // namespace tw::import
