#include "ordination/smacof_iteration.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

namespace tw {

namespace {

// The passes are written for K axes known when compiling, so the loops
// over the axes unroll; a configuration has 2 or 3. The distances are
// worked out in single precision, from a copy of the points: they are kept
// in single precision anyway, and the points then take half the cache.
template <std::size_t K>
inline float distance_of(const float* x, PairCode p) {
    const float* a = x + first_object(p) * K;
    const float* b = x + second_object(p) * K;
    float s = 0;
    for (std::size_t e = 0; e < K; ++e) s += (a[e] - b[e]) * (a[e] - b[e]);
    return std::sqrt(s);
}

// A distance and its pair as one 64-bit key: a float that is not negative
// orders as its bits do, so keys order by distance, then by pair, and a
// block sorts as plain integers.
std::uint64_t sort_key(float distance, PairCode p) {
    return (std::uint64_t{std::bit_cast<std::uint32_t>(distance)} << 32) | p;
}
float key_distance(std::uint64_t key) {
    return std::bit_cast<float>(std::uint32_t(key >> 32));
}
PairCode key_pair(std::uint64_t key) {
    return static_cast<PairCode>(key);
}

// Most keys of a block are a place or two from where the last iteration
// left them. Four passes that swap each out-of-order neighbour (without a
// branch: the swaps are coin tosses the processor would mispredict) put
// most of them right; insertion then moves the few left, while the keys are
// nearly in order, which they are once a start has settled; a general sort
// once it has moved too many.
void swap_neighbours(std::uint64_t* v, std::size_t n, std::size_t from) {
    for (std::size_t i = from; i + 1 < n; i += 2) {
        const std::uint64_t a = v[i], b = v[i + 1];
        const bool in_order = a < b;
        v[i] = in_order ? a : b;
        v[i + 1] = in_order ? b : a;
    }
}

void sort_nearly_sorted(std::uint64_t* v, std::size_t n) {
    for (std::size_t pass = 0; pass < 4; ++pass) swap_neighbours(v, n, pass % 2);
    const std::size_t budget = 8 * n + 64;
    std::size_t moved = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const std::uint64_t x = v[i];
        std::size_t j = i;
        while (j > 0 && x < v[j - 1]) {
            v[j] = v[j - 1];
            --j;
            if (++moved > budget) {
                v[j] = x;
                std::sort(v, v + n);
                return;
            }
        }
        v[j] = x;
    }
}

// Adjacent violators pooled from the left. Pools that violate the order
// (a mean not below the next one's) may be joined in any order and the
// regression comes out the same, so the joins are made where they cost
// least: a value joins the last pool while it is not above its mean, and
// the last pool joins the ones before it only when a value comes that
// would open a new pool (and once at the end). On community data a run of
// values joins the last pool, then a run opens pools of their own; taken
// value by value, every value would ask whether to join the pools behind
// it, and that branch is a coin toss to the processor. Means are compared
// by cross-multiplying, without a division.
struct Pooling {
    double* sum;  // the finished pools, in the work's arrays
    std::uint32_t* size;
    std::size_t count = 0;
    double last_sum = 0;  // the last pool, apart, in registers
    std::uint32_t last_size = 0;

    bool joins_last(double value) const { return value * last_size <= last_sum; }

    void add(double value) {
        if (last_size > 0 && !joins_last(value)) {
            join_back();
            if (!joins_last(value)) {
                sum[count] = last_sum;
                size[count] = last_size;
                ++count;
                last_sum = 0;
                last_size = 0;
            }
        }
        last_sum += value;
        ++last_size;
    }
    // The last pool joins the finished ones while their mean is not below
    // its own.
    void join_back() {
        while (count > 0 && sum[count - 1] * last_size >= last_sum * size[count - 1]) {
            --count;
            last_sum += sum[count];
            last_size += size[count];
        }
    }
    void finish() {
        if (last_size == 0) return;
        join_back();
        sum[count] = last_sum;
        size[count] = last_size;
        ++count;
    }
};

template <std::size_t K>
void sort_tied_block(const float* x, const TieBlock& b, StartWork& w, Pooling& pools) {
    const std::size_t n = b.last - b.first;
    PairCode* pair = w.pair.data() + b.first;
    float* dist = w.distance.data() + b.first;
    std::uint64_t* keys = w.keys.data();
    // Late in a start most blocks are still in order: those need no sort
    // and no pair written back.
    std::size_t descents = 0;
    for (std::size_t u = 0; u < n; ++u) {
        keys[u] = sort_key(distance_of<K>(x, pair[u]), pair[u]);
        descents += u > 0 && keys[u] < keys[u - 1];
    }
    if (descents > 0) {
        sort_nearly_sorted(keys, n);
        for (std::size_t u = 0; u < n; ++u) pair[u] = key_pair(keys[u]);
    }
    for (std::size_t u = 0; u < n; ++u) {
        dist[u] = key_distance(keys[u]);
        pools.add(dist[u]);
    }
}

template <std::size_t K>
void fit_in(const RankedPairs& pairs, const float* x, StartWork& w) {
    Pooling pools{w.pool_sum.data(), w.pool_size.data()};
    std::size_t t = 0;
    const auto untied_until = [&](std::size_t end) {
        for (; t < end; ++t) {
            w.distance[t] = distance_of<K>(x, w.pair[t]);
            pools.add(w.distance[t]);
        }
    };
    for (const TieBlock& b : pairs.ties) {
        untied_until(b.first);
        sort_tied_block<K>(x, b, w, pools);
        t = b.last;
    }
    untied_until(pairs.size());
    pools.finish();
    w.pools = pools.count;
    w.fitted_squares = 0;
    for (std::size_t p = 0; p < w.pools; ++p)
        w.fitted_squares += w.pool_sum[p] * w.pool_sum[p] / w.pool_size[p];
}

// Sums r (x_i - x_j) into next_i and its opposite into next_j for every
// pair, r = dhat / d; returns the stress from the same pass.
template <std::size_t K>
double transform_in(const StartWork& w, const double* x, double scale, double* next) {
    double misfit = 0, total = 0;
    std::size_t t = 0;
    for (std::size_t p = 0; p < w.pools; ++p) {
        const double mean = w.pool_sum[p] / w.pool_size[p];
        const double pull = scale * mean;
        for (const std::size_t end = t + w.pool_size[p]; t < end; ++t) {
            const double d = w.distance[t];
            misfit += (d - mean) * (d - mean);
            total += d * d;
            if (d <= 0) continue;
            const double r = pull / d;
            const std::size_t i = first_object(w.pair[t]) * K, j = second_object(w.pair[t]) * K;
            for (std::size_t e = 0; e < K; ++e) {
                const double step = r * (x[i + e] - x[j + e]);
                next[i + e] += step;
                next[j + e] -= step;
            }
        }
    }
    return total > 0 ? std::sqrt(misfit / total) : 0.0;
}

void check_axes(const Configuration& c) {
    if (c.dimensions != 2 && c.dimensions != 3)
        throw std::invalid_argument("An ordination has 2 or 3 axes.");
}

std::size_t largest_block(const RankedPairs& pairs) {
    std::size_t largest = 0;
    for (const TieBlock& b : pairs.ties) largest = std::max<std::size_t>(largest, b.last - b.first);
    return largest;
}

}  // namespace

StartWork::StartWork(const RankedPairs& pairs)
    : pair(pairs.pair),
      distance(pairs.size()),
      pool_sum(pairs.size()),
      pool_size(pairs.size()),
      keys(largest_block(pairs)) {}

void fit_disparities(const RankedPairs& pairs, const Configuration& c, StartWork& work) {
    check_axes(c);
    work.point.assign(c.x.begin(), c.x.end());
    if (c.dimensions == 2)
        fit_in<2>(pairs, work.point.data(), work);
    else
        fit_in<3>(pairs, work.point.data(), work);
}

double guttman_step(const StartWork& work, const Configuration& c, double relax,
                    Configuration& next) {
    check_axes(c);
    const double ss = work.fitted_squares;
    const double scale = ss > 0 ? std::sqrt(static_cast<double>(work.pair.size()) / ss) : 1.0;
    next.objects = c.objects;
    next.dimensions = c.dimensions;
    next.x.assign(c.x.size(), 0.0);
    const double stress = c.dimensions == 2
                              ? transform_in<2>(work, c.x.data(), scale, next.x.data())
                              : transform_in<3>(work, c.x.data(), scale, next.x.data());
    const double n = c.objects;
    for (std::size_t e = 0; e < next.x.size(); ++e)
        next.x[e] = next.x[e] / n + relax * (next.x[e] / n - c.x[e]);
    return stress;
}

std::vector<double> disparities(const StartWork& work) {
    std::vector<double> out;
    out.reserve(work.pair.size());
    for (std::size_t p = 0; p < work.pools; ++p)
        out.insert(out.end(), work.pool_size[p], work.pool_sum[p] / work.pool_size[p]);
    return out;
}

}  // namespace tw
