#pragma once
// Importing a species table: from the cells of a text table or a workbook
// sheet to the text of the program's own data file, with a summary of what
// was detected and chosen for the user to check.

#include <optional>
#include <string>
#include <vector>

#include "import/abundance_table.h"
#include "import/cell_grid.h"
#include "import/import_options.h"

namespace tw::import {

struct ImportSummary {
    std::optional<Separator> separator;  // text tables only
    DecimalMark decimal_mark = DecimalMark::Point;
    bool long_table = false;
    Orientation orientation = Orientation::StationsAsRows;
    // False when the table did not show which way round it is and the user
    // did not say: the stations were then taken as rows.
    bool orientation_known = true;
    std::string label_column;
    std::string group_column;  // empty when the stations are not grouped
    int stations = 0;
    int species = 0;
    int groups = 0;  // 0 when not grouped
    bool reordered = false;
    int missing_as_zero = 0;  // missing values read as 0
};

struct ImportedTable {
    SpeciesTable table;            // stations already gathered by group
    std::vector<int> group_sizes;  // empty when not grouped
    ImportSummary summary;
};

// The grid is squared here. `default_title` is used when options.title is
// empty. Throws ImportError.
ImportedTable import_grid(CellGrid grid, const ImportOptions& options,
                          const std::string& default_title);

// A text table's bytes: decoded, split with the chosen or detected separator
// and imported.
ImportedTable import_text(std::string_view bytes, const ImportOptions& options,
                          const std::string& default_title);

// "20 stations x 30 species in 4 groups" (or ", not grouped").
std::string counts_text(const ImportSummary& summary);

// Lines telling the user what the import did beyond copying: stations
// reordered by group, missing values read as 0. Empty when nothing.
std::vector<std::string> import_notes(const ImportSummary& summary);

}  // namespace tw::import
