#pragma once
// The observed hierarchy in Newick, as R's ape::write.tree writes it, for
// ape::read.tree, Bio.Phylo and tree viewers:
// - tips are the group labels; a label that holds a blank, an underscore
//   (which Newick readers turn into a blank), a comma, a parenthesis, a
//   square bracket, a colon, a semicolon or a quote goes in single quotes,
//   inner quotes doubled;
// - an internal node carries its linkage's P value as its label when the
//   linkage was tested, and no label otherwise;
// - branch lengths are height differences, heights from the fusion levels
//   by `conversion` (a centroid method's reversals give negative lengths);
// - one ";" at the end.

#include <string>

#include "export/level_conversion.h"
#include "run/run_context.h"

namespace tw {

std::string newick_label(const std::string& label);

std::string newick_tree(const RunContext& ctx, const LevelConversion& conversion);

}  // namespace tw
