#pragma once
// Stations with clusters given directly, for the explanation's numbers.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "explain/cluster_stations.h"

namespace tw::test {

// rows[i] holds station i's abundances; cluster_of[i] its cluster (0-based,
// named A, B, ...).
inline ClusterStations stations_of(const std::vector<std::vector<double>>& rows,
                                   const std::vector<std::int32_t>& cluster_of) {
    ClusterStations cs;
    cs.stations = static_cast<std::int32_t>(rows.size());
    cs.species = static_cast<std::int32_t>(rows.front().size());
    for (const auto& row : rows) cs.values.insert(cs.values.end(), row.begin(), row.end());
    cs.cluster = cluster_of;
    std::int32_t count = 0;
    for (std::int32_t c : cluster_of) count = c + 1 > count ? c + 1 : count;
    for (std::int32_t c = 0; c < count; ++c) cs.clusters.push_back(std::string(1, char('A' + c)));
    return cs;
}

// `per_cluster` stations in each of its clusters (sizes may differ), each
// species' counts around a mean the cluster draws for it, so the clusters
// differ in their species as real ones do. Every species occurs somewhere.
inline ClusterStations drawn_stations(const std::vector<int>& per_cluster, int species,
                                      std::uint32_t seed) {
    std::mt19937 random(seed);
    std::gamma_distribution<double> mean_of(0.5, 6.0);
    std::vector<std::vector<double>> rows;
    std::vector<std::int32_t> cluster_of;
    for (std::size_t c = 0; c < per_cluster.size(); ++c) {
        std::vector<double> means;
        for (int k = 0; k < species; ++k) means.push_back(mean_of(random) + 0.05);
        for (int i = 0; i < per_cluster[c]; ++i) {
            std::vector<double> row;
            for (int k = 0; k < species; ++k)
                row.push_back(
                    std::poisson_distribution<int>(means[static_cast<std::size_t>(k)])(random));
            rows.push_back(row);
            cluster_of.push_back(static_cast<std::int32_t>(c));
        }
    }
    for (int k = 0; k < species; ++k)
        rows[static_cast<std::size_t>(k) % rows.size()][static_cast<std::size_t>(k)] += 1.0;
    return stations_of(rows, cluster_of);
}

}  // namespace tw::test
