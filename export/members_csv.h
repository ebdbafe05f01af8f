#pragma once
// PREFIX.members.csv: every station of the data file, in file order, with
// its replicate group and the cluster identifier the report's station list
// gives it. Columns: station,station_label,group,group_label,cluster,
// table_row,grouping_value. With the group names of an imported table,
// group_label is the group's name, table_row the station's place in the
// user's table and grouping_value its value in the grouping column; without
// them group_label is the label of the group's first station and the last two
// are empty.

#include <string>

#include "run/run_context.h"

namespace tw {

std::string members_csv(const RunContext& ctx);

}  // namespace tw
