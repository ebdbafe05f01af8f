#include "cli/table_options.h"

#include <stdexcept>

namespace tw::cli {

namespace {

using import::ColumnChoice;
using import::DecimalMark;
using import::ImportOptions;
using import::Orientation;
using import::Separator;

// --long STATION,SPECIES,VALUE: the three columns of a long table.
void set_long_columns(ImportOptions& o, const std::string& v) {
    const std::size_t a = v.find(',');
    const std::size_t b = a == std::string::npos ? a : v.find(',', a + 1);
    if (b == std::string::npos || v.find(',', b + 1) != std::string::npos) {
        throw std::invalid_argument(
            "--long needs three column names, STATION,SPECIES,VALUE, not '" + v + "'");
    }
    o.long_columns =
        import::LongColumns{v.substr(0, a), v.substr(a + 1, b - a - 1), v.substr(b + 1)};
}

void set_separator(ImportOptions& o, const std::string& v) {
    if (v == "comma" || v == ",") {
        o.separator = Separator::Comma;
    } else if (v == "semicolon" || v == ";") {
        o.separator = Separator::Semicolon;
    } else if (v == "tab") {
        o.separator = Separator::Tab;
    } else {
        throw std::invalid_argument("--separator must be comma, semicolon or tab, not '" + v + "'");
    }
}

const TableOption kTableOptions[] = {
    {"stations-as-rows", nullptr, "stations are the rows, species the columns",
     [](ImportOptions& o, const std::string&) { o.orientation = Orientation::StationsAsRows; }},
    {"stations-as-columns", nullptr, "stations are the columns, species the rows",
     [](ImportOptions& o, const std::string&) { o.orientation = Orientation::StationsAsColumns; }},
    {"label-column", "NAME", "the column (row) holding the station labels\n(default: the first)",
     [](ImportOptions& o, const std::string& v) { o.label_column = ColumnChoice::named(v); }},
    {"group-column", "NAME",
     "the column (row) that groups the stations; the\nstations of a group are put together, and\n"
     "the group names go beside the data file (its\nname without its ending, then .groups.csv)\n"
     "(default: a column of repeating text, if any)",
     [](ImportOptions& o, const std::string& v) { o.group_column = ColumnChoice::named(v); }},
    {"no-group-column", nullptr, "do not group the stations",
     [](ImportOptions& o, const std::string&) { o.group_column = ColumnChoice::none(); }},
    {"long", "STATION,SPECIES,VALUE",
     "a long table: one row per station and species,\nwith these three columns; absent pairs are 0",
     set_long_columns},
    {"sheet", "NAME", "the workbook sheet to read (default: the first)",
     [](ImportOptions& o, const std::string& v) { o.sheet = v; }},
    {"title", "TEXT", "the data file's title (default: the table's\nname without its ending)",
     [](ImportOptions& o, const std::string& v) { o.title = v; }},
    {"separator", "SEP", "comma, semicolon or tab (default: detected)", set_separator},
    {"decimal-comma", nullptr, "numbers are written with a decimal comma",
     [](ImportOptions& o, const std::string&) { o.decimal_mark = DecimalMark::Comma; }},
    {"decimal-point", nullptr, "numbers are written with a decimal point\n(default: detected)",
     [](ImportOptions& o, const std::string&) { o.decimal_mark = DecimalMark::Point; }},
    {"missing-as-zero", nullptr,
     "read missing values (NA, ?, empty cells) as 0\n(default: refuse them)",
     [](ImportOptions& o, const std::string&) { o.missing_as_zero = true; }},
};

}  // namespace

std::span<const TableOption> table_options() {
    return kTableOptions;
}

const TableOption* find_table_option(const std::string& name) {
    for (const TableOption& option : kTableOptions)
        if (name == option.name) return &option;
    return nullptr;
}

std::string table_options_usage(std::size_t column) {
    std::string text;
    for (const TableOption& option : kTableOptions) {
        std::string head = std::string("  --") + option.name;
        if (option.value_name) head += std::string(" ") + option.value_name;
        // A name too long for the column stands on a line of its own.
        text += head.size() + 1 > column ? head + "\n" + std::string(column, ' ')
                                         : head + std::string(column - head.size(), ' ');
        for (const char* c = option.help; *c; ++c)
            text += *c == '\n' ? "\n" + std::string(column, ' ') : std::string(1, *c);
        text += '\n';
    }
    return text;
}

}  // namespace tw::cli
