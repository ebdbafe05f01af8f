#pragma once
// The two shapes a species table comes in: wide (one row per station and one
// column per species, or the other way round) and long (one row per station,
// species and abundance).

#include <optional>
#include <string>

#include "import/abundance_table.h"
#include "import/cell_checks.h"
#include "import/cell_grid.h"
#include "import/import_options.h"

namespace tw::import {

// The headings of the columns used, as the user will see them reported.
struct ColumnsUsed {
    std::string label;  // station labels (long tables: the station column)
    std::string group;  // empty when the stations are not grouped
};

SpeciesTable read_wide_table(const CellGrid& grid, Orientation orientation,
                             const ImportOptions& options, ValueRules& rules, ColumnsUsed& used);

SpeciesTable read_long_table(const CellGrid& grid, const ImportOptions& options, ValueRules& rules,
                             ColumnsUsed& used);

// The one column of text, other than `label`, whose values repeat: what a
// factor such as "Management" looks like. None when there is none; throws
// ImportError when several are, for the user to choose.
std::optional<std::size_t> detect_group_column(const OrientedGrid& view, DecimalMark mark,
                                               const std::vector<std::size_t>& skip);

// True when the first three columns are two of text that repeat and one of
// numbers (stations, species and abundances, one row each) and any further
// column holds text, such as a grouping.
bool looks_long(const CellGrid& grid, DecimalMark mark);

// The refusals for tables too large for the program.
void require_size(std::size_t stations, std::size_t species);

}  // namespace tw::import
