#include "export/members_csv.h"
#include "run/array_index.h"

#include <algorithm>

#include "export/csv_row.h"
#include "run/group_names.h"

namespace tw {

namespace {

// The identifier the report's station list prints for a group: that of the
// first dendrogram position labelled like the group's first station (empty
// when no cluster was formed, as with a single group).
std::string cluster_of(const RunContext& ctx, const std::string& first_station) {
    if (ctx.Label.empty()) return std::string();
    const std::int32_t positions = std::min(ctx.NumGroups, ctx.Label.last_row());
    for (std::int32_t p = 1; p <= positions; ++p)
        if (ctx.Label(p, 1) == first_station) return ctx.Label(p, 2);
    return std::string();
}

std::string table_row_text(const RunContext& ctx, std::int32_t station) {
    if (!ctx.GroupNames.present()) return std::string();
    return std::to_string(ctx.GroupNames.table_row[at(station)]);
}

// Every station of a group holds the group's name in the grouping column.
std::string grouping_value(const RunContext& ctx, std::int32_t g) {
    return ctx.GroupNames.present() ? shown_group_label(ctx, g) : std::string();
}

}  // namespace

std::string members_csv(const RunContext& ctx) {
    std::string out = csv_row({"station", "station_label", "group", "group_label", "cluster",
                               "table_row", "grouping_value"});
    std::int32_t station = 1;
    for (std::int32_t g = 1; g <= ctx.NumGroups && station <= ctx.NumRows; ++g) {
        const std::string cluster = cluster_of(ctx, ctx.StationLabel[at(station)]);
        for (std::int32_t s = 0; s < ctx.RepCount[at(g)] && station <= ctx.NumRows; ++s) {
            out += csv_row({std::to_string(station), ctx.StationLabel[at(station)],
                            std::to_string(g), shown_group_label(ctx, g), cluster,
                            table_row_text(ctx, station), grouping_value(ctx, g)});
            ++station;
        }
    }
    return out;
}

}  // namespace tw
