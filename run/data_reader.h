#pragma once
// Taking a checked input file into the run: the counts, labels and data, the
// message-area echo while reading, and the questions about rows and columns
// whose totals are 0 or negative.

#include <cstdint>

#include "run/host.h"
#include "run/input_file.h"
#include "run/run_context.h"

namespace tw {

// Set once a row (column) summing to exactly 0 (to less than 0) was met.
struct SoundnessFlags {
    bool EmptyRowSeen = false;
    bool NegRowSeen = false;
    bool EmptyColSeen = false;
    bool NegColSeen = false;

    bool row_unsound() const { return EmptyRowSeen || NegRowSeen; }
};

// Where a run's replicates come from (the replicate mode).
enum class ReplicateMode : std::int8_t {
    FileGroups,     // the file groups its stations
    OnePerStation,  // the file gives no groups: every station is its own
};

// Sets the counts, re-creates the run's arrays from them and takes the
// labels and the data, each value times ctx.MultConstant. Echoes the cleared
// matrix and the rows, and asks about every row whose total is 0 or below
// ("No" throws ProgramEnd). The file's data and labels are moved out.
void load_data_rows(RunContext& ctx, Host& host, InputFile& file, SoundnessFlags& seen);

// Asks about every species column whose total is 0 or below.
void check_columns(RunContext& ctx, Host& host, SoundnessFlags& seen);

// Sets NumGroups and RepCount from the file's groups (one station per group
// when it gives none) and echoes them.
ReplicateMode load_groups(RunContext& ctx, Host& host, const InputFile& file);

}  // namespace tw
