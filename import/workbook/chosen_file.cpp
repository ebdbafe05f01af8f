#include "import/workbook/chosen_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "import/cell_number.h"
#include "import/file_kind.h"
#include "import/import_error.h"
#include "import/table_files.h"
#include "import/text_decoding.h"
#include "import/workbook/workbook.h"

namespace tw::import {

namespace {

// Enough to tell every kind of file apart; a data file's first two lines
// and the names of a zip's first entries are well inside it.
constexpr std::size_t kHeadBytes = 64 * 1024;

ChosenFile known_as(ChosenFile file, ChosenKind kind, std::string why) {
    file.kind = kind;
    file.refusal = std::move(why);
    return file;
}

std::string could_not_be_read(const std::string& path) {
    return "The table \"" + path + "\" could not be read.";
}

// The rest of a text table after its first bytes, read straight into place
// so that a large table is held once, not copied.
std::string whole_file(std::ifstream& in, std::string head, std::uintmax_t size,
                       const std::string& path) {
    if (size <= head.size()) return head;
    const std::size_t start = head.size();
    head.resize(static_cast<std::size_t>(size));
    in.read(head.data() + start, static_cast<std::streamsize>(size - start));
    if (!in) throw ImportError(could_not_be_read(path));
    return head;
}

ChosenFile open_workbook(ChosenFile file, std::string_view head) {
    refuse_non_table(file.path, head);
    file.kind = ChosenKind::Workbook;
    file.sheets = workbook_sheets(file.path);
    return file;
}

ChosenFile open_text_table(ChosenFile file, std::ifstream& in, std::string head) {
    refuse_non_table(file.path, head);
    std::error_code size_unknown;
    const std::uintmax_t size = std::filesystem::file_size(file.path, size_unknown);
    if (size_unknown) throw ImportError(could_not_be_read(file.path));
    check_text_table_size(size);
    file.text = decode_table_text(whole_file(in, std::move(head), size, file.path)).utf8;
    file.kind = ChosenKind::TextTable;
    return file;
}

bool holds_a_number(const CellGrid& cells) {
    for (const auto& row : cells.cells)
        for (const std::string& cell : row)
            if (read_cell(cell, DecimalMark::Point).kind == CellKind::Number ||
                read_cell(cell, DecimalMark::Comma).kind == CellKind::Number)
                return true;
    return false;
}

// A sheet without a single number is most likely notes or a cover sheet:
// the numbers are on another sheet, which the user may not have seen.
std::string other_sheets_hint(const ChosenFile& file, const CellGrid& cells,
                              const std::string& sheet, std::string_view sheet_choice) {
    if (file.sheets.size() < 2 || holds_a_number(cells)) return {};
    const std::string shown = sheet.empty() ? file.sheets.front() : sheet;
    std::string others;
    for (const std::string& name : file.sheets)
        if (name != shown) others += (others.empty() ? "\"" : ", \"") + name + "\"";
    return " The sheet \"" + shown + "\" holds no numbers; the workbook's other sheets are " +
           others + ": choose the one with the counts " + std::string(sheet_choice) + ".";
}

}  // namespace

ChosenFile open_chosen_file(const std::string& path) {
    ChosenFile file;
    file.path = path;
    if (!std::filesystem::is_regular_file(path))
        return known_as(file, ChosenKind::Unopened, "There is no table \"" + path + "\".");
    std::ifstream in(path, std::ios::binary);
    if (!in) return known_as(file, ChosenKind::Unopened, could_not_be_read(path));
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    in.clear();
    try {
        if (is_workbook_path(path)) return open_workbook(file, head);
        if (is_data_file(path, head)) {
            return known_as(file, ChosenKind::DataFile,
                            "The file \"" + path +
                                "\" is the program's own data file already; it needs no import.");
        }
        return open_text_table(file, in, std::move(head));
    } catch (const ImportError& e) {
        return known_as(file, ChosenKind::NotATable, e.what());
    }
}

bool runs_as_it_stands(const ChosenFile& file) {
    return file.kind == ChosenKind::DataFile || file.kind == ChosenKind::Unopened;
}

Separator table_separator(const ChosenFile& file, const ImportOptions& options) {
    return options.separator.value_or(detect_separator(file.text));
}

CellGrid table_cells(const ChosenFile& file, const ImportOptions& options) {
    switch (file.kind) {
        case ChosenKind::TextTable:
            return parse_delimited(file.text, table_separator(file, options));
        case ChosenKind::Workbook:
            return read_workbook_sheet(file.path, options.sheet);
        default:
            throw ImportError(file.refusal);
    }
}

ImportedTable import_cells(const ChosenFile& file, const CellGrid& cells,
                           const ImportOptions& options, const std::string& default_title,
                           std::string_view sheet_choice) {
    try {
        ImportedTable imported = import_grid(cells, options, default_title);
        if (file.kind == ChosenKind::TextTable)
            imported.summary.separator = table_separator(file, options);
        return imported;
    } catch (const ImportError& e) {
        if (file.kind == ChosenKind::Workbook) {
            throw ImportError(e.what() +
                              other_sheets_hint(file, cells, options.sheet, sheet_choice));
        }
        throw ImportError(
            with_decimal_comma_hint(e.what(), file.text, table_separator(file, options)));
    }
}

ImportedTable import_chosen_file(const ChosenFile& file, const ImportOptions& options,
                                 std::string_view sheet_choice) {
    const std::string title = std::filesystem::path(file.path).stem().string();
    return import_cells(file, table_cells(file, options), options, title, sheet_choice);
}

}  // namespace tw::import
