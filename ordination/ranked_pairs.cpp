#include "ordination/ranked_pairs.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tw {

RankedPairs rank_pairs(const PairDissimilarities& d) {
    const std::size_t m = d.values.size();
    std::vector<std::uint32_t> index(m);
    std::iota(index.begin(), index.end(), 0u);
    std::stable_sort(index.begin(), index.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return d.values[a] < d.values[b]; });
    std::vector<std::uint16_t> left_of(m), right_of(m);
    for (std::int32_t i = 0, p = 0; i < d.objects; ++i)
        for (std::int32_t j = i + 1; j < d.objects; ++j, ++p) {
            left_of[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(i);
            right_of[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(j);
        }
    RankedPairs r;
    r.objects = d.objects;
    r.left.resize(m);
    r.right.resize(m);
    r.dissimilarity.resize(m);
    for (std::size_t t = 0; t < m; ++t) {
        r.left[t] = left_of[index[t]];
        r.right[t] = right_of[index[t]];
        r.dissimilarity[t] = d.values[index[t]];
    }
    for (std::size_t t = 0; t < m;) {
        std::size_t e = t + 1;
        while (e < m && r.dissimilarity[e] == r.dissimilarity[t]) ++e;
        if (e - t > 1)
            r.ties.push_back({static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(e)});
        t = e;
    }
    return r;
}

namespace {

// Insertion sort while the values are nearly in order, which they are once
// a start has settled; a general sort once it has moved too many.
void sort_nearly_sorted(std::vector<std::pair<float, std::uint32_t>>& v) {
    const std::size_t budget = 8 * v.size() + 64;
    std::size_t moved = 0;
    for (std::size_t i = 1; i < v.size(); ++i) {
        const auto x = v[i];
        std::size_t j = i;
        while (j > 0 && x < v[j - 1]) {
            v[j] = v[j - 1];
            --j;
            if (++moved > budget) {
                v[j] = x;
                std::sort(v.begin(), v.end());
                return;
            }
        }
        v[j] = x;
    }
}

}  // namespace

MonotoneWork::MonotoneWork(std::size_t pairs)
    : distance(pairs), fitted(pairs), order(pairs), pool_sum(pairs), pool_size(pairs) {
    std::iota(order.begin(), order.end(), 0u);
}

double monotone_fit(const RankedPairs& pairs, MonotoneWork& work) {
    const std::vector<float>& dist = work.distance;
    // Within a block of ties the pairs go in order of distance (ties of
    // distance by rank, so the order never depends on the sort), sorted as
    // (distance, rank) values side by side, starting from the last fit's
    // order: the configuration moves little between fits.
    for (const TieBlock& b : pairs.ties) {
        work.tied.clear();
        for (std::uint32_t t = b.first; t < b.last; ++t)
            work.tied.push_back({dist[work.order[t]], work.order[t]});
        sort_nearly_sorted(work.tied);
        for (std::uint32_t t = b.first; t < b.last; ++t)
            work.order[t] = work.tied[t - b.first].second;
    }
    std::size_t pools = 0;
    for (std::uint32_t t : work.order) {
        double sum = dist[t];
        double size = 1;
        while (pools > 0 && work.pool_sum[pools - 1] * size >= sum * work.pool_size[pools - 1]) {
            --pools;
            sum += work.pool_sum[pools];
            size += work.pool_size[pools];
        }
        work.pool_sum[pools] = sum;
        work.pool_size[pools] = size;
        ++pools;
    }
    double misfit = 0, total = 0, squares = 0;
    std::size_t t = 0;
    for (std::size_t p = 0; p < pools; ++p) {
        const double mean = work.pool_sum[p] / work.pool_size[p];
        for (const std::size_t e = t + static_cast<std::size_t>(work.pool_size[p]); t < e; ++t) {
            const std::uint32_t rank = work.order[t];
            work.fitted[rank] = static_cast<float>(mean);
            const double r = dist[rank] - mean;
            misfit += r * r;
            total += static_cast<double>(dist[rank]) * dist[rank];
            squares += mean * mean;
        }
    }
    work.fitted_squares = squares;
    return total > 0 ? std::sqrt(misfit / total) : 0.0;
}

}  // namespace tw
