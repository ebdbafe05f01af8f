#pragma once
// An observed run laid out by hand for the bootstrap tests: groups of
// stations ST1, ST2, ..., a hierarchy over the groups, the report open.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cluster/member_lists.h"
#include "cluster/routine.h"
#include "resemblance/measure.h"
#include "run/averaging.h"
#include "run/run_context.h"
#include "support/resemblance_kind.h"
#include "support/scripted_host.h"

namespace tw::test {

struct BootstrapRun {
    ScriptedHost host;
    RunContext ctx;
    MemberListBuilder linkages{0};

    // Every array sized from the station count as the run driver sizes it;
    // the dendrogram shows the groups in their own order.
    explicit BootstrapRun(const std::vector<std::int32_t>& group_sizes, std::int16_t species = 2) {
        ctx.NumGroups = static_cast<std::int32_t>(group_sizes.size());
        ctx.RepCount = {0};
        ctx.RepCount.insert(ctx.RepCount.end(), group_sizes.begin(), group_sizes.end());
        for (std::int32_t size : group_sizes) ctx.NumRows += size;
        ctx.NumCols = ctx.NumVars = species;
        const auto rows = static_cast<std::size_t>(ctx.NumRows);
        ctx.DataMatrix.recreate(ctx.NumRows, species);
        ctx.StationLabel = {""};
        for (std::size_t i = 1; i <= rows; ++i)
            ctx.StationLabel.push_back("ST" + std::to_string(i));
        ctx.LinkMembers.recreate(ctx.NumRows);
        linkages = MemberListBuilder(ctx.NumRows);
        ctx.LinkSize.assign(rows + 1, 0);
        ctx.LinkLevel.assign(rows, 0.0f);
        ctx.SIG.assign(rows, "");
        ctx.LinkStat.assign(rows, 0.0f);
        ctx.work.LinkI.assign(rows, 0);
        ctx.work.LinkJ.assign(rows, 0);
        ctx.NumBoot = 10;
        ctx.settings.random_seed = 20240611;
        ctx.channels.open(host, Channels::kReport, "REPORT.LST", OpenMode::Write);

        ctx.DendroOrder = {0};
        ctx.GroupLabel = {""};
        ctx.Label.recreate(ctx.NumGroups, 2);
        for (std::int32_t g = 1; g <= ctx.NumGroups; ++g) {
            ctx.DendroOrder.push_back(static_cast<std::int16_t>(g));
            ctx.GroupLabel.push_back(ctx.StationLabel[first_station(g)]);
            ctx.Label(g, 1) = ctx.GroupLabel.back();
        }
    }

    std::size_t first_station(std::int32_t g) const {
        std::size_t first = 1;
        for (std::int32_t h = 1; h < g; ++h) first += static_cast<std::size_t>(ctx.RepCount[h]);
        return first;
    }

    // Linkage L joins the clusters represented by i < j at `level`, making
    // the cluster `members`, as the clustering records it.
    void link(std::int32_t L, std::int32_t i, std::int32_t j,
              const std::vector<std::int32_t>& members, float level) {
        const auto l = static_cast<std::size_t>(L);
        ctx.work.LinkI[l] = static_cast<std::int16_t>(i);
        ctx.work.LinkJ[l] = static_cast<std::int16_t>(j);
        linkages.record(LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, L, i, j, level);
        std::vector<std::int32_t> listed;
        ctx.LinkMembers.list(L, listed);
        EXPECT_EQ(std::vector<std::int32_t>(listed.begin() + 1, listed.end()), members)
            << "linkage " << L << " as laid out";
    }

    // Every station of group g gets the same abundances.
    void group_values(std::int32_t g, const std::vector<float>& values) {
        const auto first = static_cast<std::int32_t>(first_station(g));
        for (std::int32_t r = first; r < first + ctx.RepCount[static_cast<std::size_t>(g)]; ++r)
            for (std::size_t j = 0; j < values.size(); ++j)
                ctx.DataMatrix(r, static_cast<std::int32_t>(j + 1)) = values[j];
    }

    std::string report() const { return host.file("REPORT.LST"); }
    std::string siglist() const { return host.file("SIGLIST.TXT"); }
    std::string identifier(std::int32_t position) const { return ctx.Label(position, 2); }
    // The identifiers of every dendrogram position, each followed by a blank.
    std::string ids() const {
        std::string all;
        for (std::int32_t p = 1; p <= ctx.NumGroups; ++p) all += identifier(p) + " ";
        return all;
    }
};

constexpr std::int16_t kEuclidean = 1, kBrayCurtis = 2, kHeterogeneityRatio = 4, kUpgma = 5;

// The observed hierarchy of the groups, computed as the observed run
// computes it but without its report, files and drawing.
inline void observe(BootstrapRun& r, std::int16_t measure) {
    RunContext& ctx = r.ctx;
    ctx.MeasureIndex = Measure{measure};
    ctx.LinkageIndex = kUpgma;
    ctx.AvgMatrix.recreate(ctx.NumGroups, ctx.NumCols);
    average_groups(ctx, r.host, ctx.NumGroups, ctx.AvgMatrix, ctx.DataMatrix, ctx.GroupLabel, 0,
                   ctx.LinkMembers, RunMode::Observed);
    MeasureArrays arrays;
    ASSERT_EQ(resemble_and_cluster(
                  ctx, r.host, ctx.work, arrays, ctx.AvgMatrix, ctx.NumGroups, RunMode::Replicate,
                  LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, ctx.GroupLabel),
              RoutineExit::Normal);
    ctx.DistanceFlag = ctx.work.DistanceFlag;
}

}  // namespace tw::test
