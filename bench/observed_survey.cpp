#include "observed_survey.h"

#include <string>

#include "cluster/routine.h"
#include "resemblance/measure.h"
#include "run/array_index.h"
#include "run/averaging.h"

namespace tw::bench {

void observed_survey(RunContext& ctx, Host& host, const SurveyShape& shape,
                     const std::function<void(RunContext&)>& fill) {
    const std::int32_t groups = shape.groups;
    ctx.NumGroups = groups;
    ctx.NumRows = groups * shape.stations_per_group;
    ctx.NumCols = ctx.NumVars = shape.species;
    const auto rows = at(ctx.NumRows);
    ctx.RepCount.assign(at(groups) + 1, shape.stations_per_group);
    ctx.DataMatrix.recreate(ctx.NumRows, shape.species);
    ctx.StationLabel.assign(rows + 1, "");
    for (std::size_t i = 1; i <= rows; ++i) ctx.StationLabel[i] = "S" + std::to_string(i);
    ctx.LinkMembers.recreate(ctx.NumRows);
    ctx.LinkSize.assign(rows + 1, 0);
    ctx.LinkLevel.assign(rows, 0.0f);
    ctx.SIG.assign(rows, "");
    ctx.LinkStat.assign(rows, 0.0f);
    ctx.MeasureIndex = Measure::BrayCurtis;
    ctx.LinkageIndex = 5;
    fill(ctx);

    ctx.AvgMatrix.recreate(groups, shape.species);
    ctx.GroupLabel.assign(at(groups) + 1, "");
    average_groups(ctx, host, groups, ctx.AvgMatrix, ctx.DataMatrix, ctx.GroupLabel, 0,
                   ctx.LinkMembers, RunMode::Observed);
    MeasureArrays arrays;
    resemble_and_cluster(ctx, host, ctx.work, arrays, ctx.AvgMatrix, groups, RunMode::Replicate,
                         LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, ctx.GroupLabel);
    ctx.DistanceFlag = ctx.work.DistanceFlag;
    ctx.DendroOrder.assign(at(groups) + 1, 0);
    ctx.Label.recreate(groups, 2);
    for (std::int32_t p = 1; p <= groups; ++p) {
        ctx.DendroOrder[at(p)] = static_cast<std::int16_t>(p);
        ctx.Label(p, 1) = ctx.GroupLabel[at(p)];
    }
    ctx.channels.open(host, Channels::kReport, "REPORT", OpenMode::Write);
}

}  // namespace tw::bench
