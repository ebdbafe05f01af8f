#pragma once
// SIGLIST.TXT: one line per tested linkage, appended to whatever earlier
// runs left in the file.

#include <cstdint>
#include <string>

#include "run/host.h"
#include "run/run_context.h"

namespace tw {

inline constexpr const char* kSigListFile = "SIGLIST.TXT";

// Appends the line for `link` (" 3            S": the linkage number, then
// the verdict in the next print zone) on the next free channel and closes
// the file again, so a test stopped later loses no line already written.
void append_siglist_line(RunContext& ctx, Host& host, std::int32_t link, const std::string& sig);

// The same lines for linkages first..last, all with `sig`, in one opening
// of the file: a test stopped early at 10,000 linkages marks them all, and
// opening the file for each line took a tenth of a second.
void append_siglist_lines(RunContext& ctx, Host& host, std::int32_t first, std::int32_t last,
                          const std::string& sig);

}  // namespace tw
