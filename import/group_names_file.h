#pragma once
// The group names of an imported table, written beside its data file so
// that a run can show them (the layout is in run/group_names.h).

#include <string>

#include "import/table_import.h"

namespace tw::import {

// The names file's text; empty when the stations are not grouped.
std::string group_names_text(const ImportedTable& imported);

// Writes the data file and, for a grouped table, its names file beside it.
// An ungrouped table removes a names file left there by an earlier import,
// so that no run shows names the data file no longer has. Throws
// ImportError naming the file.
void save_imported_table(const std::string& data_path, const ImportedTable& imported,
                         const std::string& table_path);

}  // namespace tw::import
