#include "ordination/smacof_iteration.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace tw {

namespace {

// The passes are written for K axes known when compiling, so the loops
// over the axes unroll; a configuration has 2 or 3. The distances are
// worked out in single precision, from a copy of the points: they are kept
// in single precision anyway, and the points then take half the cache.
template <std::size_t K>
inline float distance_between(const float* x, PairCode p) {
    const float* a = x + first_object(p) * K;
    const float* b = x + second_object(p) * K;
    float s = 0;
    for (std::size_t e = 0; e < K; ++e) s += (a[e] - b[e]) * (a[e] - b[e]);
    return std::sqrt(s);
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
// by cross-multiplying, without a division. A whole block of ties comes as
// one value of weight n: its sum and size.
struct Pooling {
    double* sum;  // the finished pools, in the work's arrays
    std::uint32_t* size;
    std::size_t count = 0;
    double last_sum = 0;  // the last pool, apart, in registers
    std::uint32_t last_size = 0;
    std::size_t lowest = count;  // the fewest finished pools there have been

    bool joins_last(double total, std::uint32_t n) const {
        return total * last_size <= last_sum * n;
    }

    void add(double total, std::uint32_t n = 1) {
        if (last_size > 0 && !joins_last(total, n)) {
            join_back();
            if (!joins_last(total, n)) {
                sum[count] = last_sum;
                size[count] = last_size;
                ++count;
                last_sum = 0;
                last_size = 0;
            }
        }
        last_sum += total;
        last_size += n;
    }
    // The last pool joins the finished ones while their mean is not below
    // its own.
    void join_back() {
        while (count > 0 && sum[count - 1] * last_size >= last_sum * size[count - 1]) {
            --count;
            last_sum += sum[count];
            last_size += size[count];
        }
        lowest = std::min(lowest, count);
    }
    void finish() {
        if (last_size == 0) return;
        join_back();
        sum[count] = last_sum;
        size[count] = last_size;
        ++count;
    }
};

// Late in a start most blocks that are sorted are still in order: those
// need no sort.
template <std::size_t K>
void fit_tied_block(const float* x, std::uint32_t index, const TieBlock& b, StartWork& w,
                    Pooling& pools) {
    const std::uint32_t n = b.last - b.first;
    DistancePair* keys = w.ranked.data() + b.first;
    float low = std::numeric_limits<float>::max();
    double total = 0;
    std::size_t descents = 0;
    for (std::size_t v = 0; v < n; ++v) {
        const PairCode p = pair_of(keys[v]);
        const float d = distance_between<K>(x, p);
        keys[v] = distance_pair(d, p);
        total += d;
        low = std::min(low, d);
        descents += v > 0 && keys[v] < keys[v - 1];
    }
    TiedBlockFit& f = w.block[index];
    f.total = total;
    f.low = low;
    if (f.whole) {
        pools.add(total, n);
        return;
    }
    if (descents > 0) sort_nearly_sorted(keys, n);
    for (std::size_t v = 0; v < n; ++v) pools.add(distance_of(keys[v]));
}

// Where the pools are made again from: the first pool that changes, its
// first rank, the sum of the distances before that rank, and the first
// block of ties that ends after it.
struct PoolPlace {
    std::size_t pool = 0, rank = 0;
    double before = 0;
    std::size_t block = 0;
};

// The pools again from `from` on, from the distances of the last fit,
// after some blocks were found not to lie whole within their pool: the
// pools before it are what pooling the ranks before it gave, and the new
// pools may join some of them. Returns the first pool that changed.
std::size_t pool_again(const RankedPairs& pairs, const PoolPlace& from, StartWork& w) {
    Pooling pools{w.pool_sum.data(), w.pool_size.data(), from.pool, 0, 0, from.pool};
    std::size_t t = from.rank;
    for (std::size_t b = from.block; b < pairs.ties.size(); ++b) {
        const TieBlock& tie = pairs.ties[b];
        for (; t < tie.first; ++t) pools.add(distance_of(w.ranked[t]));
        const std::uint32_t n = tie.last - tie.first;
        if (w.block[b].whole) {
            pools.add(w.block[b].total, n);
        } else {
            // A sorted block may have been parted at `from`.
            if (t == tie.first) sort_nearly_sorted(w.ranked.data() + tie.first, n);
            for (; t < tie.last; ++t) pools.add(distance_of(w.ranked[t]));
        }
        t = tie.last;
    }
    for (; t < pairs.size(); ++t) pools.add(distance_of(w.ranked[t]));
    pools.finish();
    w.pools = pools.count;
    return pools.lowest;
}

// The sum of (d - mean) over the distances below the mean, in four sums
// that do not wait for each other.
double dip_below(const DistancePair* keys, std::size_t n, double mean) {
    double dip[4] = {0, 0, 0, 0};
    std::size_t v = 0;
    for (; v + 4 <= n; v += 4)
        for (std::size_t lane = 0; lane < 4; ++lane)
            dip[lane] += std::min(0.0, distance_of(keys[v + lane]) - mean);
    for (; v < n; ++v) dip[0] += std::min(0.0, distance_of(keys[v]) - mean);
    return (dip[0] + dip[1]) + (dip[2] + dip[3]);
}

// A block taken whole is right when no pool would part it: taken in order
// of distance, the sum of (d - mean) over its pool from the pool's start
// must stay at or above nothing, and within the block it is lowest where
// its distances cross the mean. A block that fails is sorted from then on.
// Checks the pools from pool `first` on (those before it held before);
// returns the place of the first pool with a block that failed, or nothing
// when every whole block held.
std::optional<PoolPlace> check_whole_blocks(const RankedPairs& pairs, std::size_t first,
                                            StartWork& w) {
    std::optional<PoolPlace> parted;
    PoolPlace at;  // the pool being checked
    for (; at.pool < w.pools; ++at.pool) {
        const double mean = w.pool_sum[at.pool] / w.pool_size[at.pool];
        const std::size_t end = at.rank + w.pool_size[at.pool];
        const PoolPlace here = at;
        for (; at.block < pairs.ties.size() && pairs.ties[at.block].first < end; ++at.block) {
            const TieBlock& tie = pairs.ties[at.block];
            TiedBlockFit& f = w.block[at.block];
            if (!f.whole || at.pool < first) continue;
            // The sum of (d - mean) from the pool's start to the block;
            // nothing, not a difference of two long sums, at the start.
            const double rise = tie.first == here.rank
                                    ? 0.0
                                    : (f.before - here.before) - mean * (tie.first - here.rank);
            const std::uint32_t n = tie.last - tie.first;
            if (rise + n * (f.low - mean) >= 0) continue;
            if (rise + dip_below(w.ranked.data() + tie.first, n, mean) < 0) {
                f.whole = false;
                if (!parted) parted = here;
            }
        }
        // A sorted block parted at the pool's end is met again in the next.
        if (at.block > here.block && pairs.ties[at.block - 1].last > end) --at.block;
        at.before += w.pool_sum[at.pool];
        at.rank = end;
    }
    return parted;
}

// A sorted block that falls within one pool is taken whole from the next
// fit on.
void take_whole_where_unparted(const RankedPairs& pairs, StartWork& w) {
    std::size_t start = 0, b = 0;
    for (std::size_t p = 0; p < w.pools; ++p) {
        const std::size_t end = start + w.pool_size[p];
        for (; b < pairs.ties.size() && pairs.ties[b].first < end; ++b)
            if (pairs.ties[b].first >= start && pairs.ties[b].last <= end) w.block[b].whole = true;
        start = end;
    }
}

// Sum of dhat^2.
double fitted_squares(const StartWork& w) {
    double squares = 0;
    for (std::size_t p = 0; p < w.pools; ++p)
        squares += w.pool_sum[p] * w.pool_sum[p] / w.pool_size[p];
    return squares;
}

template <std::size_t K>
void fit_in(const RankedPairs& pairs, const float* x, StartWork& w) {
    Pooling pools{w.pool_sum.data(), w.pool_size.data()};
    std::size_t t = 0;
    double before = 0;
    const auto untied_until = [&](std::size_t end) {
        for (; t < end; ++t) {
            const PairCode p = pair_of(w.ranked[t]);
            const float d = distance_between<K>(x, p);
            w.ranked[t] = distance_pair(d, p);
            pools.add(d);
            before += d;
        }
    };
    for (std::uint32_t b = 0; b < pairs.ties.size(); ++b) {
        untied_until(pairs.ties[b].first);
        w.block[b].before = before;
        fit_tied_block<K>(x, b, pairs.ties[b], w, pools);
        before += w.block[b].total;
        t = pairs.ties[b].last;
    }
    untied_until(pairs.size());
    pools.finish();
    w.pools = pools.count;
    for (std::optional<PoolPlace> parted = check_whole_blocks(pairs, 0, w); parted;)
        parted = check_whole_blocks(pairs, pool_again(pairs, *parted, w), w);
    take_whole_where_unparted(pairs, w);
    w.fitted_squares = fitted_squares(w);
}

// Adds r (x_i - x_j) to next_i and its opposite to next_j.
template <std::size_t K>
inline void pull_pair(DistancePair k, double r, const double* x, double* next) {
    const PairCode pair = pair_of(k);
    const std::size_t i = first_object(pair) * K, j = second_object(pair) * K;
    for (std::size_t e = 0; e < K; ++e) {
        const double step = r * (x[i + e] - x[j + e]);
        next[i + e] += step;
        next[j + e] -= step;
    }
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
            const double d = distance_of(w.ranked[t]);
            misfit += (d - mean) * (d - mean);
            total += d * d;
            if (d > 0) pull_pair<K>(w.ranked[t], pull / d, x, next);
        }
    }
    return total > 0 ? std::sqrt(misfit / total) : 0.0;
}

void check_axes(const Configuration& c) {
    if (c.dimensions != 2 && c.dimensions != 3)
        throw std::invalid_argument("An ordination has 2 or 3 axes.");
}

}  // namespace

StartWork::StartWork(const RankedPairs& pairs)
    : ranked(pairs.pair.begin(), pairs.pair.end()),
      pool_sum(pairs.size()),
      pool_size(pairs.size()),
      block(pairs.ties.size()) {}

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
    const double scale = ss > 0 ? std::sqrt(static_cast<double>(work.ranked.size()) / ss) : 1.0;
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
    out.reserve(work.ranked.size());
    for (std::size_t p = 0; p < work.pools; ++p)
        out.insert(out.end(), work.pool_size[p], work.pool_sum[p] / work.pool_size[p]);
    return out;
}

}  // namespace tw
