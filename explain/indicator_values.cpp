#include "explain/indicator_values.h"
#include "run/array_index.h"

#include <limits>
#include <utility>

#include "bootstrap/random_source.h"
#include "bootstrap/replicate_streams.h"
#include "simprof/permutation_lanes.h"

namespace tw {

namespace {

// Sums of abundance and presence per cluster and species for one assignment
// of stations to clusters, and each species' highest A B from them.
class ClusterSums {
  public:
    ClusterSums(const ClusterStations& cs, std::vector<std::int32_t> sizes)
        : cs_(cs),
          sizes_(std::move(sizes)),
          abundance_(sizes_.size() * at(cs.species)),
          presence_(abundance_.size()) {}

    void fill(const std::vector<std::int32_t>& cluster) {
        std::fill(abundance_.begin(), abundance_.end(), 0.0);
        std::fill(presence_.begin(), presence_.end(), 0.0);
        const std::size_t s = at(cs_.species);
        for (std::int32_t i = 0; i < cs_.stations; ++i) {
            const double* x = &cs_.values[at(i) * s];
            double* sum = &abundance_[at(cluster[at(i)]) * s];
            double* seen = &presence_[at(cluster[at(i)]) * s];
            for (std::size_t k = 0; k < s; ++k) {
                sum[k] += x[k];
                seen[k] += x[k] > 0.0 ? 1.0 : 0.0;
            }
        }
    }

    std::size_t clusters() const { return sizes_.size(); }
    double mean(std::size_t c, std::int32_t k) const {
        return abundance_[c * at(cs_.species) + at(k)] / sizes_[c];
    }
    double fidelity(std::size_t c, std::int32_t k) const {
        return presence_[c * at(cs_.species) + at(k)] / sizes_[c];
    }
    double mean_total(std::int32_t k) const {
        double total = 0.0;
        for (std::size_t c = 0; c < clusters(); ++c) total += mean(c, k);
        return total;
    }
    // Highest A B over the clusters (0 for a species absent everywhere).
    double highest(std::int32_t k) const {
        const double total = mean_total(k);
        if (!(total > 0.0)) return 0.0;
        double best = 0.0;
        for (std::size_t c = 0; c < clusters(); ++c) {
            const double value = mean(c, k) / total * fidelity(c, k);
            if (value > best) best = value;
        }
        return best;
    }

  private:
    const ClusterStations& cs_;
    std::vector<std::int32_t> sizes_;
    std::vector<double> abundance_;
    std::vector<double> presence_;
};

std::vector<std::int32_t> cluster_sizes(const ClusterStations& cs) {
    std::vector<std::int32_t> sizes(cs.clusters.size(), 0);
    for (std::int32_t c : cs.cluster) ++sizes[at(c)];
    return sizes;
}

IndicatorSpecies observed_row(const ClusterSums& sums, std::int32_t k) {
    IndicatorSpecies row;
    row.species = k + 1;
    row.p = std::numeric_limits<double>::quiet_NaN();
    const double total = sums.mean_total(k);
    for (std::size_t c = 0; c < sums.clusters(); ++c) {
        const double a = total > 0.0 ? sums.mean(c, k) / total : 0.0;
        const double b = sums.fidelity(c, k);
        row.specificity.push_back(a);
        row.fidelity.push_back(b);
        row.indval.push_back(100.0 * a * b);
        if (total > 0.0 &&
            (row.max_cluster < 0 || row.indval.back() > row.indval[at(row.max_cluster)]))
            row.max_cluster = static_cast<std::int32_t>(c);
    }
    return row;
}

// A random reassignment: a Fisher-Yates shuffle of the current one.
void shuffle(std::vector<std::int32_t>& cluster, RandomSource& stream) {
    for (std::size_t i = cluster.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(stream.next() * static_cast<double>(i));
        std::swap(cluster[i - 1], cluster[j]);
    }
}

// Lane l draws from the stream a bootstrap would give replicate l + 1 of a
// linkage 0 that no test has: apart from every stream the tests draw.
std::uint64_t lane_seed(std::uint64_t seed, std::int32_t lane) {
    return replicate_seed(seed, ReplicateId{0, lane + 1, 1});
}

}  // namespace

std::vector<IndicatorSpecies> indicator_values(const ClusterStations& cs,
                                               const IndicatorSettings& settings) {
    const std::vector<std::int32_t> sizes = cluster_sizes(cs);
    ClusterSums observed(cs, sizes);
    observed.fill(cs.cluster);
    std::vector<IndicatorSpecies> rows;
    std::vector<double> highest(at(cs.species));
    for (std::int32_t k = 0; k < cs.species; ++k) {
        rows.push_back(observed_row(observed, k));
        highest[at(k)] = observed.highest(k);
    }
    if (settings.permutations <= 0) return rows;

    // A reassignment that only swaps whole clusters gives the observed values
    // summed in another order; the margin counts it as at least as large.
    constexpr double kMargin = 1e-12;
    std::vector<std::vector<std::int32_t>> as_large(at(kPermutationLanes),
                                                    std::vector<std::int32_t>(at(cs.species)));
    run_lanes(kPermutationLanes, settings.threads, [&](std::int32_t lane, unsigned) {
        const LaneRange range = lane_range(settings.permutations, kPermutationLanes, lane);
        RandomSource stream(lane_seed(settings.seed, lane));
        std::vector<std::int32_t> cluster = cs.cluster;
        ClusterSums sums(cs, sizes);
        std::vector<std::int32_t>& counts = as_large[at(lane)];
        for (std::int32_t r = range.first; r < range.last; ++r) {
            shuffle(cluster, stream);
            sums.fill(cluster);
            for (std::int32_t k = 0; k < cs.species; ++k)
                if (sums.highest(k) >= highest[at(k)] * (1.0 - kMargin)) ++counts[at(k)];
        }
    });
    for (std::int32_t k = 0; k < cs.species; ++k) {
        if (rows[at(k)].max_cluster < 0) continue;
        std::int64_t m = 0;
        for (const auto& counts : as_large) m += counts[at(k)];
        rows[at(k)].p = static_cast<double>(1 + m) / static_cast<double>(1 + settings.permutations);
    }
    return rows;
}

}  // namespace tw
