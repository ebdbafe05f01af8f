#pragma once
// Dendrogram order, drawing and coordinate listing.

#include <cstdint>
#include <vector>

#include "cluster/dendrogram_geometry.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

// Leaf order from the linkages w.LinkI, w.LinkJ (1..n-1): fills
// w.LeafOrder(1..n) so that the members of every cluster stand side by side.
void dendrogram_order(Workspace& w, std::int32_t n);

// What the dendrogram geometry reads of a clustering: its order, linkages,
// levels and distance flag. The caller adds the measure, the savelinks
// threshold, the title and the caption.
DendrogramSource linkage_source(const Workspace& w, std::int32_t n);

// Observed run only, after dendrogram_order: the label list and coordinate
// listing in the report, ctx.DendroOrder and ctx.Label column 1, and the
// drawing on the host's canvas (640 x 320 drawing units).
void draw_dendrogram(RunContext& ctx, Host& host, Workspace& w, std::int32_t n);

}  // namespace tw
