#pragma once
// What a reader of the results needs beside the verdict symbols: why a
// linkage was not tested, which group labels it joins, and the clusters the
// identifiers name, each with all its members.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tw {

enum class LinkageVerdict {
    NotTestedYet,         // the test has not run (or not reached this linkage)
    Significant,          // "S": P at or below alpha
    NotSignificant,       // "NS"
    ContainsSignificant,  // "*": holds a linkage already found significant
    PoolOfTwo,            // "N/A": its groups hold two stations in all
    GivenUp,              // "N/A": every replicate attempt failed, 100 in a row
};

// The verdict of linkage `link` (1..NumGroups-1) from SIG and LinkStat; the
// two kinds of "N/A" are told apart by the linkage's pool of stations.
LinkageVerdict linkage_verdict(const RunContext& ctx, std::int32_t link);

bool was_tested(LinkageVerdict v);
// A sentence for a reader on why the linkage has no P; empty when it has one.
std::string untested_reason(LinkageVerdict v);

// The group labels of the linkage's members, LinkI's side first.
std::vector<std::string> member_labels(const RunContext& ctx, std::int32_t link);
// Labels joined by ", ".
std::string joined(const std::vector<std::string>& labels);

// P of a tested linkage, as the verdict computes it; nothing when untested.
std::optional<float> linkage_p(const RunContext& ctx, std::int32_t link);

struct ClusterMembers {
    std::string identifier;
    std::vector<std::string> labels;  // in dendrogram order
};

// Every cluster the identifiers name (Label(p, 2)), in identifier order; empty
// before the identifiers are assigned.
std::vector<ClusterMembers> cluster_members(const RunContext& ctx);

}  // namespace tw
