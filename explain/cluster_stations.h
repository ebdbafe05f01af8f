#pragma once
// The stations of a finished run, each with its final cluster: what the
// species explanations are computed on.
//
// The clustering joins groups (the means of replicate stations), but a
// cluster's species are described from its stations, each with the
// identifier of its group: the pairs of stations carry the variation within
// a group that the group means hide, and the numbers are the ones vegan's
// simper and labdsv's indval give for the same stations and clusters. Without
// replicates every group is one station and the two readings coincide.

#include <cstdint>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tw {

struct ClusterStations {
    std::int32_t stations = 0;
    std::int32_t species = 0;
    std::vector<double> values;         // station-major, stations x species
    std::vector<std::int32_t> cluster;  // per station: index into `clusters`
    std::vector<std::string> clusters;  // identifiers in identifier order

    double value(std::int32_t station, std::int32_t sp) const {
        return values[static_cast<std::size_t>(station) * static_cast<std::size_t>(species) +
                      static_cast<std::size_t>(sp)];
    }
};

// The run's stations as it transformed them (the constant, then the
// transformation applied to each station as the run applies it to the group
// means), with the identifiers the test assigned. Stations are 0-based here.
// Throws RunError when the run has no identifiers yet.
ClusterStations cluster_stations(const RunContext& ctx);

}  // namespace tw
