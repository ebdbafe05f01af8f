#pragma once
// A paragraph for the methods section of a paper, describing how the run's
// clusters were made: grouping, transformation, measure, linkage method and
// the bootstrap test with its seed.

#include <string>

#include "run/run_context.h"

namespace tw {

std::string methods_paragraph(const RunContext& ctx);

// The number of clusters the significant linkages cut the hierarchy into
// (0 before the test has named them).
std::int32_t cluster_count(const RunContext& ctx);

}  // namespace tw
