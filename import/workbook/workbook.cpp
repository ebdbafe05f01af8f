#include "import/workbook/workbook.h"

#include <QString>
#include <algorithm>
#include <cctype>

#include "import/import_error.h"
#include "import/workbook/sheet_readers.h"

namespace tw::import {

namespace {

std::string extension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

WorkbookKind kind_of(const std::string& path) {
    return extension(path) == "ods" ? WorkbookKind::Ods : WorkbookKind::Xlsx;
}

std::vector<std::string> sheet_names(ZipEntries& zip, WorkbookKind kind) {
    return kind == WorkbookKind::Ods ? ods_sheet_names(zip) : xlsx_sheet_names(zip);
}

std::size_t sheet_index(const std::vector<std::string>& names, const std::string& sheet) {
    if (names.empty()) throw ImportError("The workbook has no sheets.");
    if (sheet.empty()) return 0;
    const auto it = std::find(names.begin(), names.end(), sheet);
    if (it != names.end()) return static_cast<std::size_t>(it - names.begin());
    std::string list;
    for (const auto& n : names) list += (list.empty() ? "\"" : ", \"") + n + "\"";
    throw ImportError("The workbook has no sheet named \"" + sheet + "\"; its sheets are " + list +
                      ".");
}

}  // namespace

bool is_workbook_path(const std::string& path) {
    const std::string ext = extension(path);
    return ext == "xlsx" || ext == "xlsm" || ext == "ods";
}

std::vector<std::string> workbook_sheets(const std::string& path) {
    ZipEntries zip(QString::fromStdString(path));
    return sheet_names(zip, kind_of(path));
}

CellGrid read_workbook_sheet(const std::string& path, const std::string& sheet) {
    const WorkbookKind kind = kind_of(path);
    ZipEntries zip(QString::fromStdString(path));
    const std::size_t index = sheet_index(sheet_names(zip, kind), sheet);
    const SheetCells cells =
        kind == WorkbookKind::Ods ? read_ods_sheet(zip, index) : read_xlsx_sheet(zip, index);
    return cells.grid();
}

ImportedTable import_workbook(const std::string& path, const ImportOptions& options,
                              const std::string& default_title) {
    return import_grid(read_workbook_sheet(path, options.sheet), options, default_title);
}

}  // namespace tw::import
