#pragma once
// What the user may choose about a table; every choice left open is
// detected from the table.

#include <optional>
#include <string>

#include "import/cell_number.h"
#include "import/delimited_text.h"

namespace tw::import {

enum class Orientation { StationsAsRows, StationsAsColumns };

// A column (or, with stations as columns, a row) chosen by its heading.
struct ColumnChoice {
    enum class Kind { Detect, None, Named };
    Kind kind = Kind::Detect;
    std::string name;

    static ColumnChoice detect() { return {}; }
    static ColumnChoice none() { return {Kind::None, {}}; }
    static ColumnChoice named(std::string n) { return {Kind::Named, std::move(n)}; }
};

// The three columns of a long table, one row per station and species.
struct LongColumns {
    std::string station;
    std::string species;
    std::string value;
};

struct ImportOptions {
    std::optional<Separator> separator;  // text tables only
    std::optional<DecimalMark> decimal_mark;
    std::optional<Orientation> orientation;
    // Station labels: the first column unless named (not used by long tables).
    ColumnChoice label_column;
    // The grouping column: detected as the one other column of text whose
    // values repeat, unless named or turned off.
    ColumnChoice group_column;
    // Set to read a long table; a name left empty takes the first, second
    // or third column. Without it a long table is detected unless
    // detect_long is false.
    std::optional<LongColumns> long_columns;
    bool detect_long = true;
    std::string sheet;  // workbooks: the sheet's name; empty for the first
    std::string title;  // empty: the table's file name
    bool missing_as_zero = false;
};

}  // namespace tw::import
