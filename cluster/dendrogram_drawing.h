#pragma once
// Replays a DendrogramGeometry as canvas commands, in drawing order.

#include "cluster/dendrogram_geometry.h"
#include "run/host.h"

namespace tw {

// Title and caption, the axis with its ticks and labels.
void draw_axis(Canvas& canvas, const DendrogramGeometry& g);

// The station number under every leaf.
void draw_leaf_numbers(Canvas& canvas, const DendrogramGeometry& g);

// The listed links whose level has a place on the axis, then the
// heterogeneity-ratio reference line when there is one.
void draw_links(Canvas& canvas, const DendrogramGeometry& g);

}  // namespace tw
