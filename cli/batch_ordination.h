#pragma once
// --ordination FILE: the ordination of a finished run, written as a
// picture (SVG; PDF and PNG where the figure painter was built, at
// --figure-dpi) or as the objects' coordinates (CSV), by FILE's ending.

#include <optional>
#include <ostream>
#include <string>

#include "cli/batch_options.h"
#include "cli/exit_codes.h"
#include "ordination/run_ordination.h"

namespace tw::batch {

// Whether FILE names a kind of file --ordination writes.
bool ordination_file_kind_known(const std::string& file);

// The ordination the options ask for (none when they ask for none). On
// failure says why on `err` and sets `failure`.
std::optional<RunOrdination> batch_ordination(const RunContext& ctx, const BatchOptions& options,
                                              std::ostream& err, std::optional<ExitCode>& failure);

// Writes it to options.ordination_file; false (having said why) when the
// file cannot be written.
bool write_batch_ordination(const RunOrdination& o, const BatchOptions& options, std::ostream& err);

}  // namespace tw::batch
