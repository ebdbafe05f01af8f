#pragma once
// The average abundance matrix written to the file named on the options
// window, for use outside the program.

#include <cstdint>
#include <string>
#include <vector>

#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"

namespace tw {

// Writes rows 1..num_groups of `avg` (ctx.NumCols species) under the labels
// `group_label` to ctx.settings.average_file on the next free channel,
// replacing the file, and closes it. Throws RunError when it cannot be
// created.
void write_average_matrix_file(RunContext& ctx, Host& host, std::int32_t num_groups,
                               const Matrix<float>& avg,
                               const std::vector<std::string>& group_label);

}  // namespace tw
