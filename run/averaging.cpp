#include "run/averaging.h"
#include "run/array_index.h"

#include "run/average_matrix_file.h"
#include "run/outcome.h"
#include "run/transform.h"

namespace tw {

namespace {

[[noreturn]] void inconsistent(const std::string& what) {
    throw RunError("Averaging Error", "The replicate groups cannot be averaged: " + what + ".");
}

// The number of data rows each group position averages: the group's own
// count in the observed run; in a replicate, the count of the group that the
// map names for that position, so every member keeps its number of stations.
void group_sizes(const RunContext& ctx, std::int32_t num_groups, std::int32_t map_row,
                 const MemberLists& group_map, RunMode run_mode, AveragingBuffers& buffers) {
    if (num_groups < 0 || at(num_groups) >= ctx.RepCount.size()) inconsistent("too many groups");
    std::vector<std::int32_t>& sizes = buffers.sizes;
    sizes.assign(at(num_groups) + 1, 0);
    const std::int32_t mapped =
        run_mode == RunMode::Observed ? 0 : group_map.list(map_row, buffers.map_row);
    for (std::int32_t g = 1; g <= num_groups; ++g) {
        std::int32_t group = g;
        if (run_mode != RunMode::Observed) {
            if (g > mapped) {
                inconsistent("the group map has no entry for position " + std::to_string(g));
            }
            group = buffers.map_row[at(g)];
            if (group < 1 || at(group) >= ctx.RepCount.size()) {
                inconsistent("the group map names an unknown group");
            }
        }
        sizes[at(g)] = ctx.RepCount[at(group)];
        if (sizes[at(g)] < 1) inconsistent("a group has no stations");
    }
}

// The callers size every array; these checks only keep a fault elsewhere in
// the program from reading outside them.
void check_arrays(const RunContext& ctx, const std::vector<std::int32_t>& sizes,
                  const Matrix<float>& out, const Matrix<float>& data,
                  const std::vector<std::string>& group_label) {
    const auto num_groups = static_cast<std::int32_t>(sizes.size()) - 1;
    std::int64_t rows = 0;
    std::int64_t label_rows = 0;
    for (std::int32_t g = 1; g <= num_groups; ++g) {
        rows += sizes[at(g)];
        label_rows += ctx.RepCount[at(g)];
    }
    if (out.last_row() < num_groups || out.last_col() < ctx.NumCols ||
        group_label.size() <= at(num_groups)) {
        inconsistent("the average matrix is too small");
    }
    if (data.last_row() < rows || data.last_col() < ctx.NumCols) {
        inconsistent("the groups hold more stations than the data");
    }
    if (num_groups > 0 && label_rows - ctx.RepCount[at(num_groups)] + 1 >=
                              static_cast<std::int64_t>(ctx.StationLabel.size())) {
        inconsistent("the groups hold more stations than there are labels");
    }
}

// Row `g` of `out`: the mean of each species over `size` data rows from
// `first_row`, in single precision, then standardised when asked, then
// transformed. Returns the group's total over all species.
//
// Standardising acts on the group's means, where the transformation acts, so
// a replicate group's relative abundances are those of its pooled stations
// and every bootstrap replicate is pretreated as the observed groups were.
float average_group(const RunContext& ctx, Host& host, std::int32_t g, std::int32_t first_row,
                    std::int32_t size, const Matrix<float>& data, Matrix<float>& out,
                    std::vector<float>& sums) {
    const std::int32_t m = ctx.NumCols;
    sums.assign(at(m) + 1, 0.0f);
    // Row by row, so that the data are read in storage order; every species
    // still sums its rows in row order.
    for (std::int32_t r = first_row; r < first_row + size; ++r) {
        const float* row = data.row(r);
        for (std::int32_t j = 1; j <= m; ++j) {
            sums[at(j)] += row[j];
            host.yield();
        }
    }
    for (std::int32_t j = 1; j <= m; ++j) {
        host.yield();
        out(g, j) = sums[at(j)] / static_cast<float>(size);
    }
    if (ctx.StandardiseFlag) standardise_row(out, g, m);
    float total = 0.0f;
    for (std::int32_t j = 1; j <= m; ++j) {
        out(g, j) = transformed(out(g, j), ctx.TransformCode);
        total += out(g, j);
    }
    return total;
}

}  // namespace

void average_groups(RunContext& ctx, Host& host, std::int32_t num_groups, Matrix<float>& out,
                    const Matrix<float>& data, std::vector<std::string>& group_label,
                    std::int32_t map_row, const MemberLists& group_map, RunMode run_mode,
                    AveragingBuffers& buffers) {
    group_sizes(ctx, num_groups, map_row, group_map, run_mode, buffers);
    const std::vector<std::int32_t>& sizes = buffers.sizes;
    check_arrays(ctx, sizes, out, data, group_label);
    std::int32_t data_cursor = 1;
    std::int32_t label_cursor = 1;
    std::vector<float>& sums = buffers.sums;
    for (std::int32_t g = 1; g <= num_groups; ++g) {
        group_label[at(g)] = ctx.StationLabel[at(label_cursor)];
        label_cursor += ctx.RepCount[at(g)];
        const float total = average_group(ctx, host, g, data_cursor, sizes[at(g)], data, out, sums);
        // With non-negative data: no species occurs in the group at all. The
        // group is kept.
        if (total == 0.0f) host.messages().text("NO LIFE ...").end();
        data_cursor += sizes[at(g)];
    }
    if (ctx.PrintAvgFlag) {
        write_average_matrix_file(ctx, host, num_groups, out, group_label);
        // Later calls of the same run (the bootstrap replicates) leave the
        // file as the observed run wrote it.
        ctx.PrintAvgFlag = false;
    }
}

void average_groups(RunContext& ctx, Host& host, std::int32_t num_groups, Matrix<float>& out,
                    const Matrix<float>& data, std::vector<std::string>& group_label,
                    std::int32_t map_row, const MemberLists& group_map, RunMode run_mode) {
    AveragingBuffers buffers;
    average_groups(ctx, host, num_groups, out, data, group_label, map_row, group_map, run_mode,
                   buffers);
}

}  // namespace tw
