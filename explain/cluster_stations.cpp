#include "explain/cluster_stations.h"
#include "run/array_index.h"

#include <algorithm>

#include "bootstrap/cluster_table.h"
#include "run/number_format.h"
#include "run/outcome.h"

namespace tw {

namespace {

constexpr const char* kTitle = "Cluster Explanation";

// The identifier the report's station list gives a group: that of the first
// dendrogram position labelled as the group's first station.
std::string identifier_of(const RunContext& ctx, const std::string& first_station) {
    const std::int32_t rows = ctx.Label.empty() ? 0 : ctx.Label.last_row();
    for (std::int32_t p = 1; p <= std::min(rows, ctx.NumGroups); ++p)
        if (ctx.Label(p, 1) == first_station) return ctx.Label(p, 2);
    return {};
}

// The identifiers in the order the test gave them (A, B, ... as cluster 1,
// 2, ...), whatever order the stations meet them in.
std::vector<std::string> identifier_order(const std::vector<std::string>& seen) {
    const auto count = static_cast<std::int32_t>(seen.size());
    std::vector<std::string> ordered;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::string id = cluster_identifier(k, count);
        if (std::find(seen.begin(), seen.end(), id) != seen.end()) ordered.push_back(id);
    }
    for (const std::string& id : seen)
        if (std::find(ordered.begin(), ordered.end(), id) == ordered.end()) ordered.push_back(id);
    return ordered;
}

}  // namespace

ClusterStations cluster_stations(const RunContext& ctx) {
    ClusterStations out;
    out.species = ctx.NumCols;
    std::vector<std::string> station_id;
    for (std::int32_t k = 1; k <= ctx.NumGroups && at(k) < ctx.RepCount.size(); ++k) {
        const auto first = static_cast<std::int32_t>(station_id.size()) + 1;
        if (first > ctx.NumRows) break;
        const std::string id = identifier_of(ctx, ctx.StationLabel[at(first)]);
        if (id.empty())
            throw RunError(kTitle,
                           "The stations have no cluster identifiers yet: run a significance "
                           "test first.");
        for (std::int32_t s = 0; s < ctx.RepCount[at(k)]; ++s) station_id.push_back(id);
    }
    out.stations = std::min(static_cast<std::int32_t>(station_id.size()), ctx.NumRows);
    station_id.resize(at(out.stations));

    std::vector<std::string> seen;
    for (const std::string& id : station_id)
        if (std::find(seen.begin(), seen.end(), id) == seen.end()) seen.push_back(id);
    out.clusters = identifier_order(seen);
    for (const std::string& id : station_id)
        out.cluster.push_back(static_cast<std::int32_t>(
            std::find(out.clusters.begin(), out.clusters.end(), id) - out.clusters.begin()));

    out.values.reserve(at(out.stations) * at(out.species));
    for (std::int32_t i = 1; i <= out.stations; ++i)
        for (std::int32_t j = 1; j <= out.species; ++j) {
            const float v = transformed(ctx.DataMatrix(i, j), ctx.TransformCode);
            // Bray-Curtis and the indicator values read abundances: a negative
            // value would make shares above 100% and similarities below 0.
            if (!(v >= 0.0f))
                throw RunError(kTitle, "Station \"" + ctx.StationLabel[at(i)] + "\" has " +
                                           single_text(v) + " for species \"" +
                                           ctx.SpeciesLabel[at(j)] +
                                           "\": the cluster explanation needs abundances of "
                                           "zero or more.");
            out.values.push_back(static_cast<double>(v));
        }
    return out;
}

}  // namespace tw
