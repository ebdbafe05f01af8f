#include "cli/import_arguments.h"

#include <stdexcept>

namespace tw::cli {

using import::ColumnChoice;
using import::DecimalMark;
using import::Orientation;
using import::Separator;

const char* const kImportHelp =
    R"(Usage: tarnwick-import [options] TABLE OUT

Reads a species table (comma-, semicolon- or tab-separated text, or an .xlsx
or .ods workbook) and writes it as a TARNWICK data file OUT. The table is
never changed. What is not given is detected from the table.

Options:
  --stations-as-rows         stations are the rows, species the columns
  --stations-as-columns      stations are the columns, species the rows
  --label-column NAME        the column (row) holding the station labels
                             (default: the first)
  --group-column NAME        the column (row) that groups the stations; the
                             stations of a group are put together, and
                             the group names go beside OUT (OUT without
                             its ending, then .groups.csv)
                             (default: a column of repeating text, if any)
  --no-group-column          do not group the stations
  --long STATION,SPECIES,VALUE
                             a long table: one row per station and species,
                             with these three columns; absent pairs are 0
  --sheet NAME               the workbook sheet to read (default: the first)
  --title TEXT               the data file's title (default: the table's
                             name without its ending)
  --separator SEP            comma, semicolon or tab (default: detected)
  --decimal-comma            numbers are written with a decimal comma
  --decimal-point            numbers are written with a decimal point
                             (default: detected)
  --missing-as-zero          read missing values (NA, ?, empty cells) as 0
                             (default: refuse them)
  --help                     show this help and stop
  --version                  show the version and stop

Exit status: 0 the data file was written; 1 the table was refused (the
message names the cell); 2 the command line is wrong; 3 a file could not be
read or written.
)";

namespace {

// "--name=value" or "--name value"; returns the value.
std::string value_of(const std::vector<std::string>& args, std::size_t& i,
                     const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
    if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value.");
    return args[++i];
}

bool takes(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

import::LongColumns long_columns(const std::string& text){std::vector<std::string> parts;
std::size_t start = 0;
for (;;) {
    const auto comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
}
if (parts.size() != 3) {
    throw std::invalid_argument(
        "--long needs the three column names STATION,SPECIES,VALUE separated by commas.");
}
return {parts[0], parts[1], parts[2]};
}  // namespace

Separator separator_named(const std::string& name) {
    if (name == "comma" || name == ",") return Separator::Comma;
    if (name == "semicolon" || name == ";") return Separator::Semicolon;
    if (name == "tab") return Separator::Tab;
    throw std::invalid_argument("--separator must be comma, semicolon or tab, not \"" + name +
                                "\".");
}

}  // namespace tw::cli

ImportCommand parse_import_arguments(const std::vector<std::string>& args) {
    ImportCommand cmd;
    auto& o = cmd.options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cmd.help = true;
        } else if (a == "--version") {
            cmd.version = true;
        } else if (a == "--stations-as-rows") {
            o.orientation = Orientation::StationsAsRows;
        } else if (a == "--stations-as-columns") {
            o.orientation = Orientation::StationsAsColumns;
        } else if (takes(a, "--label-column")) {
            o.label_column = ColumnChoice::named(value_of(args, i, "--label-column"));
        } else if (takes(a, "--group-column")) {
            o.group_column = ColumnChoice::named(value_of(args, i, "--group-column"));
        } else if (a == "--no-group-column") {
            o.group_column = ColumnChoice::none();
        } else if (takes(a, "--long")) {
            o.long_columns = long_columns(value_of(args, i, "--long"));
        } else if (takes(a, "--sheet")) {
            o.sheet = value_of(args, i, "--sheet");
        } else if (takes(a, "--title")) {
            o.title = value_of(args, i, "--title");
        } else if (takes(a, "--separator")) {
            o.separator = separator_named(value_of(args, i, "--separator"));
        } else if (a == "--decimal-comma") {
            o.decimal_mark = DecimalMark::Comma;
        } else if (a == "--decimal-point") {
            o.decimal_mark = DecimalMark::Point;
        } else if (a == "--missing-as-zero") {
            o.missing_as_zero = true;
        } else if (a == "--") {
            files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         args.end());
            break;
        } else if (a.size() > 1 && a[0] == '-') {
            throw std::invalid_argument("Unknown option " + a + "; see --help.");
        } else {
            files.push_back(a);
        }
    }
    if (cmd.help || cmd.version) return cmd;
    if (files.size() != 2) {
        throw std::invalid_argument(
            "Give the table to read and the data file to write: "
            "tarnwick-import [options] TABLE OUT; see --help.");
    }
    cmd.table = files[0];
    cmd.out = files[1];
    return cmd;
}

}  // namespace tw::cli
