#pragma once
// Cluster identifiers: the significant linkages cut the observed hierarchy
// into clusters, each cluster gets a letter, each group its cluster's letter
// (Label(p, 2) at dendrogram position p), and the report lists every station
// of the input file with the letter of its group.

#include <cstdint>
#include <string>
#include <vector>

#include "bootstrap/cluster_table.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

// Runs form_clusters, then writes the per-station list to the report stream
// in file order: "ST1" and, in the next print zone, its identifier. Reads
// the final SIG symbols, so it runs after the results pass.
void assign_cluster_identifiers(RunContext& ctx, Host& host);

// Builds the clusters from LinkPair and SIG for linkages 1..NumGroups-1,
// shows each cluster's labels on link_table, writes the report heading of the
// station list and sets Label(p, 2) for p = 1..NumGroups.
ClusterTable form_clusters(RunContext& ctx, Host& host);

}  // namespace tw
