#include "bootstrap/replicate.h"
#include "run/array_index.h"

#include <algorithm>

#include "cluster/routine.h"

namespace tw {

void ReplicateScratch::fit(std::int32_t pool_size, std::int32_t groups, std::int16_t num_cols) {
    BootDataMatrix.fit(pool_size, num_cols);
    BootAvgMatrix.fit(groups, num_cols);
    if (BootGroupLabel.size() < at(groups) + 1) BootGroupLabel.resize(at(groups) + 1);

    // A clustering of m <= PoolSize objects makes m - 1 linkages; the room
    // made here is kept for the later replicates.
    const std::size_t links = at(pool_size < 1 ? 1 : pool_size);
    BootLinkMembers.fit(static_cast<std::int32_t>(links) - 1);
    if (BootLinkSize.size() < links) BootLinkSize.resize(links, 0);
    if (BootLinkLevel.size() < links) BootLinkLevel.resize(links, 0.0f);
}

ReplicateResult run_bootstrap_replicate(RunContext& ctx, Host& host, std::int32_t link,
                                        const SamplePool& pool, RandomSource& stream,
                                        ReplicateScratch& scratch) {
    const std::int32_t groups = ctx.LinkSize[at(link)];
    scratch.fit(static_cast<std::int32_t>(pool.size()) - 1, groups, ctx.NumCols);
    // A replicate that stops early must not leave an earlier replicate's
    // levels behind to be mistaken for its own.
    std::fill(scratch.BootLinkLevel.begin(), scratch.BootLinkLevel.begin() + groups, 0.0f);
    std::fill(scratch.BootLinkSize.begin(), scratch.BootLinkSize.begin() + groups, 0);

    draw_replicate_rows(ctx.DataMatrix, ctx.NumCols, pool, stream, host, scratch.BootDataMatrix);

    // Member position g takes the next RepCount(LinkMembers(link, g)) drawn
    // rows, so every member group keeps its own number of stations.
    average_groups(ctx, host, groups, scratch.BootAvgMatrix, scratch.BootDataMatrix,
                   scratch.BootGroupLabel, link, ctx.LinkMembers, RunMode::Replicate,
                   scratch.averaging);

    std::int32_t objects = groups;  // the routine may treat its count as its own
    LinkArrays links{scratch.BootLinkMembers, scratch.BootLinkSize, scratch.BootLinkLevel};
    ReplicateResult result;
    result.exit =
        resemble_and_cluster(ctx, host, scratch.work, scratch.measure_arrays, scratch.BootAvgMatrix,
                             objects, RunMode::Replicate, links, ctx.StationLabel);
    if (result.exit != RoutineExit::Normal) return result;

    result.final_level = scratch.BootLinkLevel[at(groups - 1)];
    result.distance_flag = scratch.work.DistanceFlag;
    return result;
}

}  // namespace tw
