#include "explain/simper.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "simprof/permutation_lanes.h"

namespace tw {

namespace {

struct Members {
    std::vector<std::vector<std::int32_t>> of;  // stations of each cluster
};

Members members_of(const ClusterStations& cs) {
    Members m;
    m.of.resize(cs.clusters.size());
    for (std::int32_t i = 0; i < cs.stations; ++i) m.of[at(cs.cluster[at(i)])].push_back(i);
    return m;
}

std::vector<SimperTable> empty_tables(const Members& m) {
    std::vector<SimperTable> tables;
    const auto count = static_cast<std::int32_t>(m.of.size());
    for (std::int32_t a = 0; a < count; ++a)
        if (m.of[at(a)].size() >= 2) tables.push_back({SimperKind::Within, a, -1, 0, 0, 0.0, {}});
    if (count > kMostClustersCompared) return tables;
    for (std::int32_t a = 0; a < count; ++a)
        for (std::int32_t b = a + 1; b < count; ++b)
            tables.push_back({SimperKind::Between, a, b, 0, 0, 0.0, {}});
    return tables;
}

// Running sums of one table's species terms over its pairs.
struct PairSums {
    std::vector<double> sum;
    std::vector<double> squares;
    std::int32_t pairs = 0;
    std::int32_t empty = 0;

    explicit PairSums(std::int32_t species) : sum(at(species)), squares(at(species)) {}

    void add(const ClusterStations& cs, const std::vector<double>& totals, std::int32_t i,
             std::int32_t j, SimperKind kind) {
        const double total = totals[at(i)] + totals[at(j)];
        if (!(total > 0.0)) {
            ++empty;
            return;
        }
        ++pairs;
        const double scale = (kind == SimperKind::Within ? 200.0 : 100.0) / total;
        const double* xi = &cs.values[at(i) * at(cs.species)];
        const double* xj = &cs.values[at(j) * at(cs.species)];
        for (std::size_t k = 0; k < at(cs.species); ++k) {
            const double term = kind == SimperKind::Within ? std::min(xi[k], xj[k]) * scale
                                                           : std::abs(xi[k] - xj[k]) * scale;
            sum[k] += term;
            squares[k] += term * term;
        }
    }
};

double cluster_mean(const ClusterStations& cs, const std::vector<std::int32_t>& stations,
                    std::int32_t k) {
    double s = 0.0;
    for (std::int32_t i : stations) s += cs.value(i, k);
    return s / static_cast<double>(stations.size());
}

void finish_table(SimperTable& t, const PairSums& sums, const ClusterStations& cs,
                  const Members& m) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    t.pairs = sums.pairs;
    t.empty_pairs = sums.empty;
    if (t.pairs == 0) return;
    const double n = t.pairs;
    for (std::int32_t k = 0; k < cs.species; ++k) {
        const double average = sums.sum[at(k)] / n;
        t.overall += average;
        if (!(average > 0.0)) continue;
        SimperSpecies row;
        row.species = k + 1;
        row.average = average;
        if (t.pairs >= 2) {
            const double spread = sums.squares[at(k)] - sums.sum[at(k)] * average;
            row.sd = std::sqrt(std::max(spread, 0.0) / (n - 1.0));
        } else {
            row.sd = kNaN;
        }
        row.ratio = average / row.sd;
        row.mean_a = cluster_mean(cs, m.of[at(t.cluster_a)], k);
        row.mean_b = t.cluster_b < 0 ? kNaN : cluster_mean(cs, m.of[at(t.cluster_b)], k);
        t.species.push_back(row);
    }
    // Largest contribution first; equal ones keep the file's species order.
    std::stable_sort(
        t.species.begin(), t.species.end(),
        [](const SimperSpecies& x, const SimperSpecies& y) { return x.average > y.average; });
    double running = 0.0;
    for (SimperSpecies& row : t.species) {
        row.share = 100.0 * row.average / t.overall;
        running += row.share;
        row.cumulative = running;
    }
}

void work_table(SimperTable& t, const ClusterStations& cs, const std::vector<double>& totals,
                const Members& m) {
    PairSums sums(cs.species);
    const std::vector<std::int32_t>& a = m.of[at(t.cluster_a)];
    if (t.kind == SimperKind::Within) {
        for (std::size_t x = 0; x < a.size(); ++x)
            for (std::size_t y = x + 1; y < a.size(); ++y) sums.add(cs, totals, a[x], a[y], t.kind);
    } else {
        for (std::int32_t i : a)
            for (std::int32_t j : m.of[at(t.cluster_b)]) sums.add(cs, totals, i, j, t.kind);
    }
    finish_table(t, sums, cs, m);
}

}  // namespace

std::vector<SimperTable> similarity_percentages(const ClusterStations& cs, unsigned threads) {
    const Members m = members_of(cs);
    std::vector<double> totals(at(cs.stations), 0.0);
    for (std::int32_t i = 0; i < cs.stations; ++i)
        for (std::int32_t k = 0; k < cs.species; ++k) totals[at(i)] += cs.value(i, k);

    std::vector<SimperTable> tables = empty_tables(m);
    run_lanes(static_cast<std::int32_t>(tables.size()), threads,
              [&](std::int32_t lane, unsigned) { work_table(tables[at(lane)], cs, totals, m); });
    return tables;
}

}  // namespace tw
