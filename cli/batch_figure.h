#pragma once
// tarnwick-batch --figure FILE: the publication figure of the run, laid out
// for a journal page exactly as the dendrogram window's "Save picture..."
// lays it out for the same figure options, so the two files are the same.

#include <ostream>
#include <string>

#include "figure/figure_options.h"
#include "figure/figure_source.h"

namespace tw::batch {

// Whether this build writes `path` (SVG always; PDF and PNG where the
// figure painter was built); a file it cannot write is refused before the run.
bool figure_format_supported(const std::string& path);

// Writes the figure; says on `err` what it could not show as asked and
// returns false, having said why, when the file cannot be written.
bool write_batch_figure(const FigureSource& src, const FigureOptions& options,
                        const std::string& path, std::ostream& err);

}  // namespace tw::batch
