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

// The verdicts as the run's test result holds them (run/link_result.h).
using LinkageVerdict = Verdict;

// The verdict of linkage `link` (1..NumGroups-1) in the test's result;
// NotReached before a test has run.
LinkageVerdict linkage_verdict(const RunContext& ctx, std::int32_t link);

// A sentence for a reader on why the linkage has no P, in the terms of the
// test that ran; empty when it has one.
std::string untested_reason(LinkageVerdict v, SignificanceTest test);

// The group labels of the linkage's members, LinkI's side first.
std::vector<std::string> member_labels(const RunContext& ctx, std::int32_t link);
// Labels joined by ", ".
std::string joined(const std::vector<std::string>& labels);

// P of a tested linkage, as the test computed it; nothing when untested.
std::optional<float> linkage_p(const RunContext& ctx, std::int32_t link);

struct ClusterMembers {
    std::string identifier;
    std::vector<std::string> labels;  // in dendrogram order
};

// Every cluster the identifiers name (Label(p, 2)), in identifier order; empty
// before the identifiers are assigned.
std::vector<ClusterMembers> cluster_members(const RunContext& ctx);

}  // namespace tw
