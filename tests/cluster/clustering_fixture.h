#pragma once
// Clusterings of hand-built resemblance matrices, and observed or replicate
// runs of the whole routine on one-species data, where the Euclidean
// distance of two objects is the difference of their values.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "cluster/agglomerate.h"
#include "cluster/routine.h"
#include "resemblance/measure.h"
#include "run/run_context.h"
#include "support/resemblance_kind.h"
#include "support/scripted_host.h"

namespace tw::test {

// Upper triangle by rows: row i holds the entries (i, i+1..n).
using UpperTriangle = std::vector<std::vector<float>>;

inline UpperTriangle distances_between(const std::vector<double>& positions) {
    UpperTriangle upper;
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        upper.emplace_back();
        for (std::size_t j = i + 1; j < positions.size(); ++j)
            upper.back().push_back(static_cast<float>(std::fabs(positions[i] - positions[j])));
    }
    return upper;
}

inline std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct EngineRun {
    ScriptedHost host;
    Workspace w;
    MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    std::int32_t n = 0;

    void run(const UpperTriangle& upper, LinkageMethod method, Resemblance distance_flag,
             bool squared_flag = false, LinkageObserver* observer = nullptr) {
        n = static_cast<std::int32_t>(upper.size()) + 1;
        w.SimMatrix.recreate(n, n);
        for (std::int32_t i = 1; i < n; ++i)
            for (std::int32_t j = i + 1; j <= n; ++j)
                w.SimMatrix(i, j) =
                    upper[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - i - 1)];
        ClusterOptions options;
        options.method = method;
        options.distance_flag = distance_flag;
        options.squared_flag = squared_flag;
        agglomerate(w, n, options, LinkArrays{members, sizes, levels}, host, observer);
    }
    std::pair<int, int> pair(std::int32_t link) const {
        return {w.LinkI[static_cast<std::size_t>(link)], w.LinkJ[static_cast<std::size_t>(link)]};
    }
    // The members as listed, checked against the recorded size.
    std::vector<std::int32_t> members_of(std::int32_t link) const {
        std::vector<std::int32_t> listed;
        EXPECT_EQ(members.list(link, listed), sizes[static_cast<std::size_t>(link)]);
        return {listed.begin() + 1, listed.end()};
    }
};

struct RoutineRun {
    ScriptedHost host;
    RunContext ctx;
    MeasureArrays arrays;
    MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    std::vector<std::string> labels;

    RoutineRun() {
        ctx.DataTitle = "Test data";
        ctx.MeasureIndex = Measure::Euclidean;
        ctx.NumVars = 1;
        ctx.settings.linkage = LinkageMethod::Single;
        ctx.channels.open(host, 2, "REPORT", OpenMode::Write);
    }

    RoutineExit run(const std::vector<float>& values, const std::vector<std::string>& names,
                    RunMode run_mode = RunMode::Observed) {
        const auto n = static_cast<std::int32_t>(values.size());
        Matrix<float> x(n, 1);
        for (std::int32_t j = 1; j <= n; ++j) x(j, 1) = values[static_cast<std::size_t>(j - 1)];
        labels = {""};
        labels.insert(labels.end(), names.begin(), names.end());
        ctx.NumRows = n;
        return resemble_and_cluster(ctx, host, ctx.work, arrays, x, n, run_mode,
                                    LinkArrays{members, sizes, levels}, labels);
    }
    std::string report() const { return host.file("REPORT"); }
    std::string cluster_list() const { return host.file("CLUSTER.LST"); }
};

}  // namespace tw::test
