#pragma once
// Linkages the bootstrap can hardly ever find significant: those whose
// groups hold one station each. The test deals a linkage's pooled stations
// back out to its groups; with one station per group a dealt-out set differs
// about as much as the real one, whatever the communities.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tw {

struct UnreplicatedLinks {
    bool every_group = false;         // no group holds more than one station
    std::vector<std::int32_t> links;  // tested linkages (3 or more groups) of single stations
};

// Which linkages of the observed hierarchy would be tested on single-station
// groups only. Reads NumGroups, RepCount and LinkMembers.
UnreplicatedLinks unreplicated_links(const RunContext& ctx);

// What to tell the user before the bootstrap starts, or nothing when every
// tested linkage has replicates to compare. Plain words, no question: the
// windows ask whether to go on, the batch command prints it as a warning.
std::optional<std::string> unreplicated_warning(const RunContext& ctx);

// The title of that message.
inline constexpr const char* kUnreplicatedTitle = "Bootstrap Without Replicate Groups";

}  // namespace tw
