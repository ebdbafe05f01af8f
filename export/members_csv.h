#pragma once
// PREFIX.members.csv: every station of the data file, in file order, with
// its replicate group and the cluster identifier the report's station list
// gives it. Columns: station,station_label,group,group_label,cluster.

#include <string>

#include "run/run_context.h"

namespace tw {

std::string members_csv(const RunContext& ctx);

}  // namespace tw
