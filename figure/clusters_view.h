#pragma once
// The clusters view of a tested tree: each cluster drawn as one tip, named
// by its identifier and its size, with only the linkages that keep clusters
// apart above it. A tree of thousands of objects in a dozen clusters then
// fits a page.

#include <cstdint>
#include <string>
#include <vector>

#include "figure/figure_source.h"

namespace tw {

// One tip: a run of neighbouring leaves with the same identifier.
struct ClusterTip {
    std::string id;
    std::int32_t first = 0;  // position of its first leaf, from 0
    std::int32_t size = 0;   // how many leaves
};

// The clusters left to right; empty before the bootstrap has cut the tree.
std::vector<ClusterTip> cluster_tips(const FigureSource& src);

// "A (412)", or with `names` > 0 "A (412): ST1, ST7, ST9, …".
std::string tip_label(const FigureSource& src, const ClusterTip& tip, int names);

// The tree with one leaf a cluster (the source itself when it has no
// clusters yet), and for each tip the level of its loosest join inside the
// cluster, where the tip is drawn to begin (NaN for a cluster of one).
struct ClustersSource {
    FigureSource tree;
    std::vector<float> tops;
};

ClustersSource clusters_source(const FigureSource& src, int names);

}  // namespace tw
