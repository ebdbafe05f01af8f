#include "import/table_readers.h"

#include <algorithm>
#include <set>

#include "import/import_error.h"
#include "run/input_file.h"

namespace tw::import {

namespace {

bool all_text_repeating(const OrientedGrid& view, std::size_t c, DecimalMark mark) {
    std::set<std::string> values;
    for (std::size_t r = 1; r < view.rows(); ++r) {
        if (read_cell(view.at(r, c), mark).kind != CellKind::Text) return false;
        values.insert(trimmed(view.at(r, c)));
    }
    return view.rows() > 1 && values.size() < view.rows() - 1;
}

std::size_t choose_column(const OrientedGrid& view, const ColumnChoice& choice,
                          std::size_t fallback) {
    return choice.kind == ColumnChoice::Kind::Named ? find_heading(view, choice.name) : fallback;
}

}  // namespace

void require_size(std::size_t stations, std::size_t species) {
    if (stations == 0) throw ImportError("The table has no stations, only headings.");
    if (species == 0) throw ImportError("The table has no species, only station labels.");
    if (stations > static_cast<std::size_t>(kMaxStations)) {
        throw ImportError("The table has " + std::to_string(stations) +
                          " stations; the program can hold at most " +
                          std::to_string(kMaxStations) + ".");
    }
    if (species > static_cast<std::size_t>(kMaxSpecies)) {
        throw ImportError("The table has " + std::to_string(species) +
                          " species; the program can hold at most " + std::to_string(kMaxSpecies) +
                          ".");
    }
    if (static_cast<std::int64_t>(stations) * static_cast<std::int64_t>(species) > kMaxValues) {
        throw ImportError("The table has " + std::to_string(stations) + " stations of " +
                          std::to_string(species) + " species; the program can hold at most " +
                          std::to_string(kMaxValues) + " values.");
    }
}

std::optional<std::size_t> detect_group_column(const OrientedGrid& view, DecimalMark mark,
                                               const std::vector<std::size_t>& skip) {
    std::vector<std::size_t> found;
    for (std::size_t c = 0; c < view.columns(); ++c) {
        if (std::find(skip.begin(), skip.end(), c) != skip.end()) continue;
        if (all_text_repeating(view, c, mark)) found.push_back(c);
    }
    if (found.empty()) return std::nullopt;
    if (found.size() > 1) {
        throw ImportError("The " + view.line_word() + "s headed \"" +
                          trimmed(view.at(0, found[0])) + "\" and \"" +
                          trimmed(view.at(0, found[1])) +
                          "\" both hold text; choose which one groups the stations.");
    }
    return found.front();
}

SpeciesTable read_wide_table(const CellGrid& grid, Orientation orientation,
                             const ImportOptions& options, ValueRules& rules, ColumnsUsed& used) {
    const OrientedGrid view(grid, orientation);
    const std::size_t label = choose_column(view, options.label_column, 0);
    std::optional<std::size_t> group;
    if (options.group_column.kind == ColumnChoice::Kind::Named) {
        group = find_heading(view, options.group_column.name);
    } else if (options.group_column.kind == ColumnChoice::Kind::Detect) {
        group = detect_group_column(view, rules.mark, {label});
    }
    if (group == label) throw ImportError("The station labels cannot also be the grouping.");

    SpeciesTable t;
    used.label = trimmed(view.at(0, label));
    used.group = group ? trimmed(view.at(0, *group)) : std::string();
    std::vector<std::size_t> species_cols;
    std::vector<std::string> names;
    for (std::size_t c = 0; c < view.columns(); ++c) {
        if (c == label || c == group) continue;
        species_cols.push_back(c);
        t.species.push_back(label_at(view, 0, c, "species label"));
        names.push_back(view.name(0, c));
    }
    require_size(view.rows() - 1, species_cols.size());
    require_unique(t.species, names, "species");

    names.clear();
    for (std::size_t r = 1; r < view.rows(); ++r) {
        t.stations.push_back(label_at(view, r, label, "station label"));
        names.push_back(view.name(r, label));
        if (group) t.groups.push_back(label_at(view, r, *group, "group name"));
    }
    require_unique(t.stations, names, "station");

    t.values.resize(t.stations.size());
    for (std::size_t r = 1; r < view.rows(); ++r) {
        auto& row = t.values[r - 1];
        row.reserve(species_cols.size());
        for (std::size_t k = 0; k < species_cols.size(); ++k) {
            row.push_back(
                abundance_at(view, r, species_cols[k], t.stations[r - 1], t.species[k], rules));
        }
    }
    return t;
}

}  // namespace tw::import
