#pragma once
// PREFIX.linkage.csv: the hierarchy as scipy's linkage matrix, header
// left,right,height,size. Leaves 0..n-1 are the groups in data order, the
// cluster formed by row i is n + i; heights come from the fusion levels by
// the same conversion as the Newick tree, and size counts groups. Loaded
// with numpy.loadtxt(..., delimiter=",", skiprows=1) it passes
// scipy.cluster.hierarchy.is_valid_linkage.

#include <string>

#include "export/level_conversion.h"
#include "run/run_context.h"

namespace tw {

std::string linkage_matrix_csv(const RunContext& ctx, const LevelConversion& conversion);

}  // namespace tw
