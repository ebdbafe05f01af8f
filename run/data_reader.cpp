#include "run/data_reader.h"
#include "run/array_index.h"

#include <cstdint>
#include <utility>

#include "run/number_format.h"
#include "run/questions.h"
#include "run/transform.h"

namespace tw {

namespace {

// Every array of the run sized from the station and species counts.
void recreate_run_arrays(RunContext& ctx) {
    const std::size_t n = at(ctx.NumRows);
    ctx.LinkMembers.recreate(ctx.NumRows);
    ctx.work.LinkI.assign(n, 0);
    ctx.work.LinkJ.assign(n, 0);
    ctx.LinkSize.assign(n + 1, 0);
    ctx.LinkLevel.assign(n, 0.0f);
    ctx.LinkStat.assign(n, 0.0f);
    ctx.SIG.assign(n, {});
    ctx.StationLabel.assign(n + 1, {});
    ctx.SpeciesLabel.assign(at(ctx.NumCols) + 1, {});
}

// Clearing the matrix shows a 16-bit zero per cell; the line ends and the
// area is cleared after every 30th species, and after every cell of every
// 100th station. Runs of zeros are written at once: the message area sees
// the same text in fewer pieces.
void echo_clearing(const RunContext& ctx, Host& host) {
    Printer& m = host.messages();
    const std::string zero = printed_number(std::int64_t{0});
    std::string pending;
    for (std::int32_t i = 1; i <= ctx.NumRows; ++i) {
        host.yield();
        for (std::int32_t j = 1; j <= ctx.NumVars; ++j) {
            pending += zero;
            if (j % 30 == 0 || i % 100 == 0) {
                m.text(pending).end();
                m.clear();
                pending.clear();
            }
        }
        m.text(pending);
        pending.clear();
    }
}

void check_row(Host& host, std::int32_t i, const std::string& label, float row_sum,
               SoundnessFlags& seen) {
    const std::string row = "Values in Row " + std::to_string(i) + " (" + label + ")";
    if (row_sum == 0.0f) {
        seen.EmptyRowSeen = true;
        ask_to_continue(host, "Empty Data Row Warning", row + " total to zero");
    } else if (row_sum < 0.0f) {
        seen.NegRowSeen = true;
        ask_to_continue(host, "Negative Data Row Warning", row + " sum to a negative number");
    }
}

// One station: its label (a line ends after every 20th), its rescaled values
// (shown for the first 10 stations) and the check of its total.
void read_row(RunContext& ctx, Host& host, std::int32_t i, SoundnessFlags& seen) {
    Printer& m = host.messages();
    const bool shown = i <= 10;
    host.yield();
    m.text(ctx.StationLabel[at(i)]).text(" ");
    if (i % 20 == 0) m.end();
    float row_sum = 0.0f;
    for (std::int32_t j = 1; j <= ctx.NumCols; ++j) {
        const float value = rescaled(ctx.MultConstant, ctx.DataMatrix(i, j));
        ctx.DataMatrix(i, j) = value;
        if (shown) m.num(value);
        row_sum += value;
    }
    check_row(host, i, ctx.StationLabel[at(i)], row_sum, seen);
    if (shown) m.end();
}

}  // namespace

void load_data_rows(RunContext& ctx, Host& host, InputFile& file, SoundnessFlags& seen) {
    ctx.DataTitle = file.title;
    ctx.NumRows = file.rows;
    ctx.NumCols = file.cols;
    ctx.NumVars = ctx.NumCols;
    recreate_run_arrays(ctx);
    echo_clearing(ctx, host);
    // Every cell is overwritten below by its rescaled value, so the values
    // as read take the place of the cleared matrix without a second copy.
    ctx.DataMatrix = std::move(file.values);
    host.messages().clear();
    ctx.SpeciesLabel = std::move(file.species);
    ctx.StationLabel = std::move(file.stations);
    seen = SoundnessFlags{};
    for (std::int32_t i = 1; i <= ctx.NumRows; ++i) read_row(ctx, host, i, seen);
}

void check_columns(RunContext& ctx, Host& host, SoundnessFlags& seen) {
    for (std::int32_t j = 1; j <= ctx.NumCols; ++j) {
        float col_sum = 0.0f;
        for (std::int32_t i = 1; i <= ctx.NumRows; ++i) col_sum += ctx.DataMatrix(i, j);
        const std::string column =
            "Values in column " + std::to_string(j) + " (" + ctx.SpeciesLabel[at(j)] + ")";
        // A negative column is asked about under the empty-column name too.
        if (col_sum == 0.0f) {
            seen.EmptyColSeen = true;
            ask_to_continue(host, "Empty Data Column Warning", column + " total to zero");
        } else if (col_sum < 0.0f) {
            seen.NegColSeen = true;
            ask_to_continue(host, "Empty Data Column Warning",
                            column + " sum to a negative number");
        }
    }
}

ReplicateMode load_groups(RunContext& ctx, Host& host, const InputFile& file) {
    Printer& m = host.messages();
    ReplicateMode replicate_mode = ReplicateMode::FileGroups;
    ctx.NumGroups = file.groups;
    if (ctx.NumGroups == 0) {
        replicate_mode = ReplicateMode::OnePerStation;
        ctx.NumGroups = ctx.NumRows;
        m.text("No Replicates specified - using 1 per station").end();
    }
    ctx.RepCount.assign(at(ctx.NumGroups) + 1, 0);
    m.clear();
    m.num(ctx.NumGroups).text(" STATIONS").end();
    for (std::int32_t g = 1; g <= ctx.NumGroups; ++g) {
        ctx.RepCount[at(g)] =
            replicate_mode == ReplicateMode::OnePerStation ? 1 : file.group_sizes[at(g)];
        m.text("STATION: ").num(g).zone().num(ctx.RepCount[at(g)]).text(" REPS.").end();
    }
    return replicate_mode;
}

}  // namespace tw
