#include "import/abundance_table.h"

#include <map>

namespace tw::import {

std::vector<int> gather_groups(SpeciesTable& table, bool& moved) {
    moved = false;
    if (table.groups.empty()) return {};
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::size_t>> members;
    for (std::size_t i = 0; i < table.groups.size(); ++i) {
        auto [it, fresh] = members.try_emplace(table.groups[i]);
        if (fresh) order.push_back(table.groups[i]);
        it->second.push_back(i);
    }
    SpeciesTable out{table.title, {}, table.species, {}, {}, {}};
    std::vector<int> sizes;
    for (const auto& name : order) {
        const auto& list = members[name];
        sizes.push_back(static_cast<int>(list.size()));
        for (std::size_t i : list) {
            moved = moved || i != out.stations.size();
            out.stations.push_back(table.stations[i]);
            out.values.push_back(table.values[i]);
            out.groups.push_back(table.groups[i]);
            if (i < table.table_rows.size()) out.table_rows.push_back(table.table_rows[i]);
        }
    }
    table = std::move(out);
    return sizes;
}

}  // namespace tw::import
