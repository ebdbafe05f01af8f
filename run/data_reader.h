#pragma once
// Taking a checked input file into the run: the counts, labels and data, the
// message-area echo while reading, and the questions about rows and columns
// whose totals are 0 or negative.

#include <string>

#include "run/host.h"
#include "run/input_file.h"
#include "run/run_context.h"

namespace tw {

// "T" once a row (column) summing to exactly 0 (to less than 0) was met.
struct SoundnessFlags {
    std::string EmptyRowSeen;
    std::string NegRowSeen;
    std::string EmptyColSeen;
    std::string NegColSeen;

    bool row_unsound() const { return EmptyRowSeen == "T" || NegRowSeen == "T"; }
};

// Sets the counts, re-creates the run's arrays from them and takes the
// labels and the data, each value times ctx.MultConstant. Echoes the cleared
// matrix and the rows, and asks about every row whose total is 0 or below
// ("No" throws ProgramEnd). The file's data and labels are moved out.
void load_data_rows(RunContext& ctx, Host& host, InputFile& file, SoundnessFlags& seen);

// Asks about every species column whose total is 0 or below.
void check_columns(RunContext& ctx, Host& host, SoundnessFlags& seen);

// Sets NumGroups and RepCount from the file's groups (one station per group
// when it gives none) and echoes them. Returns the replicate mode: "Y", or
// "X" when the file gives no groups.
std::string load_groups(RunContext& ctx, Host& host, const InputFile& file);

}  // namespace tw
