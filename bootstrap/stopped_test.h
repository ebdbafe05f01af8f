#pragma once
// A bootstrap test the user stopped: the linkages left without a verdict,
// and the notes that say so in the report, SIGLIST.TXT and the linkage table.

#include <cstdint>

#include "run/host.h"
#include "run/run_context.h"

namespace tw {

// The symbol of a linkage the test did not reach, in the report's and
// SIGLIST.TXT's verdict column.
inline constexpr const char* kStoppedSymbol = "STOPPED";

// Linkages first..NumGroups-1 were not tested because the user stopped the
// test: their counts so far are dropped (LinkStat kStoppedLink) and their
// redraw notes with them. A SIGLIST.TXT line marks each, so that the file
// shows where this run's verdicts end.
void mark_stopped_links(RunContext& ctx, Host& host, std::int32_t first);

// The sentence that the report, after the results table, and the linkage
// table show.
std::string stopped_test_note(std::int32_t first, std::int32_t links);

// Below the results table: the note, in the report and on link_table.
void write_stopped_note(RunContext& ctx, Host& host, std::int32_t first);

// Below the cluster identifiers: why clusters above the stop are not cut.
void write_stopped_identifiers_note(RunContext& ctx);

}  // namespace tw
