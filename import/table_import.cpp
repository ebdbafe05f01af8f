#include "import/table_import.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "import/import_error.h"
#include "import/table_readers.h"
#include "import/text_decoding.h"

namespace tw::import {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// What the heading above the labels says the labels are.
std::optional<Orientation> orientation_from_heading(const std::string& heading) {
    static const char* const kStations[] = {"station", "stations", "site",  "sites",   "sample",
                                            "samples", "plot",     "plots", "quadrat", "quadrats"};
    static const char* const kSpecies[] = {"species", "taxon", "taxa", "spp", "sp"};
    const std::string h = lower(trimmed(heading));
    for (const char* w : kStations)
        if (h == w) return Orientation::StationsAsRows;
    for (const char* w : kSpecies)
        if (h == w) return Orientation::StationsAsColumns;
    return std::nullopt;
}

bool has_text_line(const CellGrid& grid, Orientation o, DecimalMark mark, std::size_t label) {
    const OrientedGrid view(grid, o);
    try {
        return detect_group_column(view, mark, {label}).has_value();
    } catch (const ImportError&) {
        return true;
    }
}

// Which way round the table is, where the table shows it: a named grouping
// column found among the column or the row headings, the heading above the
// labels, or a column (row) of repeating text such as a factor.
std::optional<Orientation> detect_orientation(const CellGrid& grid, const ImportOptions& options,
                                              DecimalMark mark) {
    if (options.group_column.kind == ColumnChoice::Kind::Named) {
        for (Orientation o : {Orientation::StationsAsRows, Orientation::StationsAsColumns}) {
            try {
                find_heading(OrientedGrid(grid, o), options.group_column.name);
                return o;
            } catch (const ImportError&) {
            }
        }
    }
    if (auto o = orientation_from_heading(grid.cells[0][0])) return o;
    if (options.group_column.kind != ColumnChoice::Kind::Detect) return std::nullopt;
    const bool rows = has_text_line(grid, Orientation::StationsAsRows, mark, 0);
    const bool cols = has_text_line(grid, Orientation::StationsAsColumns, mark, 0);
    if (rows != cols) return rows ? Orientation::StationsAsRows : Orientation::StationsAsColumns;
    return std::nullopt;
}

// The start-up window asks for the title in single quotes; the data file
// gives it its own double quotes, so single quotes typed around it go.
std::string without_single_quotes(const std::string& title) {
    const std::string t = trimmed(title);
    if (t.size() >= 2 && t.front() == '\'' && t.back() == '\'') return t.substr(1, t.size() - 2);
    return title;
}

}  // namespace

ImportedTable import_grid(CellGrid grid, const ImportOptions& options,
                          const std::string& default_title) {
    square_grid(grid);
    ImportedTable out;
    ImportSummary& s = out.summary;
    s.decimal_mark = options.decimal_mark.value_or(detect_decimal_mark(grid));
    ValueRules rules{s.decimal_mark, options.missing_as_zero, 0};
    ColumnsUsed used;
    s.long_table = options.long_columns.has_value() ||
                   (options.detect_long && looks_long(grid, s.decimal_mark));
    if (s.long_table) {
        out.table = read_long_table(grid, options, rules, used);
    } else {
        const auto detected = options.orientation
                                  ? options.orientation
                                  : detect_orientation(grid, options, s.decimal_mark);
        s.orientation = detected.value_or(Orientation::StationsAsRows);
        s.orientation_known = detected.has_value();
        out.table = read_wide_table(grid, s.orientation, options, rules, used);
    }
    out.table.title = data_file_label(
        without_single_quotes(options.title.empty() ? default_title : options.title));
    out.table.table_rows.resize(out.table.stations.size());
    std::iota(out.table.table_rows.begin(), out.table.table_rows.end(), 1);
    out.group_sizes = gather_groups(out.table, s.reordered);

    s.label_column = used.label;
    s.group_column = used.group;
    s.stations = static_cast<int>(out.table.stations.size());
    s.species = static_cast<int>(out.table.species.size());
    s.groups = static_cast<int>(out.group_sizes.size());
    s.missing_as_zero = rules.filled;
    return out;
}

ImportedTable import_text(std::string_view bytes, const ImportOptions& options,
                          const std::string& default_title) {
    const DecodedText text = decode_table_text(bytes);
    const Separator sep = options.separator.value_or(detect_separator(text.utf8));
    ImportedTable out = import_grid(parse_delimited(text.utf8, sep), options, default_title);
    out.summary.separator = sep;
    return out;
}

std::string counts_text(const ImportSummary& s) {
    std::string text = std::to_string(s.stations) +
                       (s.stations == 1 ? " station x " : " stations x ") +
                       std::to_string(s.species) + " species";
    if (s.groups == 0) return text + ", not grouped";
    return text + " in " + std::to_string(s.groups) + (s.groups == 1 ? " group" : " groups");
}

std::vector<std::string> import_notes(const ImportSummary& s) {
    std::vector<std::string> notes;
    if (s.reordered) {
        notes.push_back("The stations were reordered so that the stations of each group of \"" +
                        s.group_column +
                        "\" stand together, groups in the order they first appear.");
    }
    if (s.missing_as_zero > 0) {
        notes.push_back(std::to_string(s.missing_as_zero) +
                        (s.missing_as_zero == 1 ? " missing value was" : " missing values were") +
                        " read as 0.");
    }
    return notes;
}

}  // namespace tw::import
