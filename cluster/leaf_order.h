#pragma once
// Left-to-right order of the stations along the dendrogram.

#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// Station index at each dendrogram position, 1-based (entry 0 is 0).
//
// Input: the linkage records LinkI(1..n-1), LinkJ(1..n-1) of a clustering of
// stations 1..n, each joining two distinct current clusters (any member of a
// cluster names it; the clustering engine uses the representative).
//
// Every linkage lays the two clusters side by side: the LinkI cluster first,
// then the LinkJ cluster; except when LinkI is still a single station and
// LinkJ already belongs to a cluster, where the cluster comes first and the
// single station goes to its right. So (1,3) then (1,2) gives 1 3 2, and
// (2,3) then (1,2) gives 2 3 1.
//
// Each cluster is kept as a linked chain and found through a disjoint-set
// forest with path halving, so the order costs O(n log n) at worst instead of
// rescanning every group at each linkage.
//
// A record that names a station outside 1..n, or two stations of one cluster,
// cannot come from the engine; it is skipped rather than trusted, so the
// result is always a permutation of 1..n. Stations that no linkage reached
// (an incomplete hierarchy) follow the chain of the last linkage, cluster by
// cluster, in ascending order of their lowest station.
std::vector<std::int32_t> leaf_order(std::span<const std::int16_t> LinkI,
                                     std::span<const std::int16_t> LinkJ, std::int32_t n);

}  // namespace tw
