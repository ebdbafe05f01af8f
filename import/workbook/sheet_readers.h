#pragma once
// The two workbook formats' own ways of storing sheets.

#include <string>
#include <vector>

#include "import/workbook/sheet_cells.h"
#include "import/workbook/zip_entries.h"

namespace tw::import {

std::vector<std::string> xlsx_sheet_names(ZipEntries& zip);
// `index` is the sheet's place in xlsx_sheet_names.
SheetCells read_xlsx_sheet(ZipEntries& zip, std::size_t index);

std::vector<std::string> ods_sheet_names(ZipEntries& zip);
SheetCells read_ods_sheet(ZipEntries& zip, std::size_t index);

}  // namespace tw::import
