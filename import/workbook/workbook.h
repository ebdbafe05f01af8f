#pragma once
// Reading a sheet of a spreadsheet workbook (.xlsx from Excel and others,
// .ods from LibreOffice and others) as a grid of cells. Numbers come as the
// workbook stores them, in full precision with a decimal point.

#include <string>
#include <vector>

#include "import/cell_grid.h"
#include "import/table_import.h"

namespace tw::import {

enum class WorkbookKind { Xlsx, Ods };

// The workbook kind a file name says, if it names one (by its extension).
bool is_workbook_path(const std::string& path);

// The sheets' names in workbook order. Throws ImportError when the file
// cannot be read as a workbook.
std::vector<std::string> workbook_sheets(const std::string& path);

// The named sheet, or the first when `sheet` is empty; cells are named as
// the spreadsheet names them ("C7"). Throws ImportError.
CellGrid read_workbook_sheet(const std::string& path, const std::string& sheet);

// read_workbook_sheet (options.sheet) then import_grid.
ImportedTable import_workbook(const std::string& path, const ImportOptions& options,
                              const std::string& default_title);

}  // namespace tw::import
