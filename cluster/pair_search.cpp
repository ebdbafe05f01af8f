#include "cluster/pair_search.h"
#include "run/array_index.h"

namespace tw {

namespace {

// One row of the full scan on its own, with the direction fixed so that the
// compiler keeps the loop tight: the first strictly closest current entry.
template <bool Distance>
void scan_row(const float* row, const std::int16_t* absorbed, std::int32_t from, std::int32_t n,
              std::int32_t& partner, float& level) {
    for (std::int32_t j = from; j <= n; ++j) {
        if (absorbed[j] != 0) continue;
        const float v = row[j];
        if (Distance ? v < level : v > level) {
            level = v;
            partner = j;
        }
    }
}

}  // namespace

RowBestSearch::RowBestSearch(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed,
                             std::int32_t n, Resemblance distance_flag)
    : m_(m),
      absorbed_(absorbed),
      n_(n),
      distance_(distance_flag == Resemblance::Distance),
      start_(distance_ ? 1e30f : -1e30f),
      best_(at(n < 0 ? 0 : n) + 1, none()) {}

void RowBestSearch::rescan(std::int32_t x, Host& host) {
    Best found = none();
    if (distance_) {
        scan_row<true>(m_.row(x), absorbed_.data(), x + 1, n_, found.partner, found.level);
    } else {
        scan_row<false>(m_.row(x), absorbed_.data(), x + 1, n_, found.partner, found.level);
    }
    best_[at(x)] = found;
    host.yield();
}

void RowBestSearch::prepare(Host& host) {
    for (std::int32_t x = 1; x < n_; ++x) {
        if (absorbed_[at(x)] == 0) rescan(x, host);
    }
}

ClosestPair RowBestSearch::closest(Host& host) const {
    ClosestPair found{0, 0, start_};
    for (std::int32_t x = 1; x < n_; ++x) {
        const Best& b = best_[at(x)];
        if (b.partner == 0 || absorbed_[at(x)] != 0) continue;
        if (closer(b.level, found.level)) found = {x, b.partner, b.level};
    }
    host.yield();
    return found.i != 0 ? found : first_current_pair(m_, absorbed_, n_);
}

void RowBestSearch::merged(std::int32_t i, std::int32_t j, std::span<const std::int32_t> k,
                           std::span<const float> level, Host& host) {
    best_[at(j)] = none();
    Best row_i = none();
    for (std::size_t x = 0; x < k.size(); ++x) {
        const std::int32_t kx = k[x];
        const float v = level[x];
        if (kx < i) {
            entry_of_earlier_row(kx, v, i, j, host);
            continue;
        }
        // Entry (i, k) of row i: the entries come in ascending k, so the
        // row's best builds up exactly as a scan of the row would find it.
        if (closer(v, row_i.level)) row_i = {kx, v};
        // Rows between i and j keep their entries but may lose their partner j.
        if (kx < j && best_[at(kx)].partner == j) rescan(kx, host);
    }
    best_[at(i)] = row_i;
}

// Row k < i: its entry (k, i) now holds v and its entry (k, j) is gone.
void RowBestSearch::entry_of_earlier_row(std::int32_t k, float v, std::int32_t i, std::int32_t j,
                                         Host& host) {
    Best& b = best_[at(k)];
    if (b.partner == j) {
        rescan(k, host);
    } else if (b.partner == i) {
        // Still the first closest entry unless it moved farther (or became NaN).
        if (closer(v, b.level) || v == b.level) {
            b.level = v;
        } else {
            rescan(k, host);
        }
    } else if (closer(v, b.level) || (b.partner != 0 && v == b.level && i < b.partner)) {
        b = {i, v};
    }
}

}  // namespace tw
