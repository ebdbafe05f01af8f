#pragma once
// A species table as it will be written to the program's data file.

#include <string>
#include <vector>

namespace tw::import {

struct SpeciesTable {
    std::string title;
    std::vector<std::string> stations;  // in file order
    std::vector<std::string> species;
    std::vector<std::vector<std::string>> values;  // [station][species], plain decimals
    std::vector<std::string> groups;               // group of each station; empty: no grouping
    // Each station's place among the stations of the user's table, from 1
    // (its row, or its column when the stations are columns; a long table's
    // stations in the order they first appear), kept when groups reorder.
    std::vector<int> table_rows;
};

// Puts the stations of a group together, groups in the order they first
// appear and each group's stations in table order. Returns the group sizes
// in that order; true in `moved` when any station changed place.
std::vector<int> gather_groups(SpeciesTable& table, bool& moved);

}  // namespace tw::import
