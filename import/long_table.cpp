#include <map>
#include <set>

#include "import/import_error.h"
#include "import/table_readers.h"

namespace tw::import {

namespace {

struct LongIndex {
    std::size_t station = 0, species = 1, value = 2;
};

LongIndex long_columns(const OrientedGrid& view, const ImportOptions& options) {
    if (view.columns() < 3) {
        throw ImportError(
            "A long table needs three columns (station, species, abundance); "
            "this one has " +
            std::to_string(view.columns()) + ".");
    }
    LongIndex ix;
    if (!options.long_columns) return ix;
    const LongColumns& names = *options.long_columns;
    if (!names.station.empty()) ix.station = find_heading(view, names.station);
    if (!names.species.empty()) ix.species = find_heading(view, names.species);
    if (!names.value.empty()) ix.value = find_heading(view, names.value);
    if (ix.station == ix.species || ix.station == ix.value || ix.species == ix.value)
        throw ImportError(
            "The station, species and abundance columns must be three different columns.");
    return ix;
}

bool repeats(const CellGrid& grid, std::size_t c) {
    std::set<std::string> values;
    for (std::size_t r = 1; r < grid.rows(); ++r) values.insert(trimmed(grid.cells[r][c]));
    return values.size() < grid.rows() - 1;
}

// Index of `key` in `order`, appending it when it is new.
std::size_t place_of(std::map<std::string, std::size_t>& index, std::vector<std::string>& order,
                     const std::string& key) {
    auto [it, fresh] = index.try_emplace(key, order.size());
    if (fresh) order.push_back(key);
    return it->second;
}

}  // namespace

bool looks_long(const CellGrid& grid, DecimalMark mark) {
    if (grid.columns() < 3 || grid.rows() < 3) return false;
    for (std::size_t r = 1; r < grid.rows(); ++r) {
        for (std::size_t c = 0; c < grid.columns(); ++c) {
            const bool number = read_cell(grid.cells[r][c], mark).kind != CellKind::Text;
            if (number != (c == 2)) return false;
        }
    }
    return repeats(grid, 0) && repeats(grid, 1);
}

SpeciesTable read_long_table(const CellGrid& grid, const ImportOptions& options, ValueRules& rules,
                             ColumnsUsed& used) {
    const OrientedGrid view(grid, Orientation::StationsAsRows);
    const LongIndex ix = long_columns(view, options);
    std::optional<std::size_t> group;
    if (options.group_column.kind == ColumnChoice::Kind::Named) {
        group = find_heading(view, options.group_column.name);
    } else if (options.group_column.kind == ColumnChoice::Kind::Detect) {
        group = detect_group_column(view, rules.mark, {ix.station, ix.species, ix.value});
    }
    used.label = trimmed(view.at(0, ix.station));
    used.group = group ? trimmed(view.at(0, *group)) : std::string();

    SpeciesTable t;
    std::map<std::string, std::size_t> station_index, species_index;
    std::map<std::pair<std::size_t, std::size_t>, std::size_t> pair_row;
    struct Entry {
        std::size_t station, species;
        std::string value;
    };
    std::vector<Entry> entries;
    for (std::size_t r = 1; r < view.rows(); ++r) {
        const std::string station = label_at(view, r, ix.station, "station label");
        const std::string species = label_at(view, r, ix.species, "species label");
        const std::size_t i = place_of(station_index, t.stations, station);
        const std::size_t j = place_of(species_index, t.species, species);
        auto [seen, fresh] = pair_row.emplace(std::make_pair(i, j), r);
        if (!fresh) {
            std::string place = row_name(grid, r);
            place[0] = static_cast<char>(place[0] - 'a' + 'A');
            throw ImportError(place + " gives station \"" + station + "\" and species \"" +
                              species + "\" a second time (first on " +
                              row_name(grid, seen->second) + "); each pair may appear once.");
        }
        entries.push_back({i, j, abundance_at(view, r, ix.value, station, species, rules)});
        if (!group) continue;
        const std::string g = label_at(view, r, *group, "group name");
        if (i == t.groups.size()) {
            t.groups.push_back(g);
        } else if (t.groups[i] != g) {
            throw ImportError(view.name(r, *group) + ": station \"" + station +
                              "\" is in group \"" + g + "\" here but in group \"" + t.groups[i] +
                              "\" on an earlier line.");
        }
    }
    require_size(t.stations.size(), t.species.size());
    t.values.assign(t.stations.size(), std::vector<std::string>(t.species.size(), "0"));
    for (auto& e : entries) t.values[e.station][e.species] = std::move(e.value);
    return t;
}

}  // namespace tw::import
