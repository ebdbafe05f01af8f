#pragma once
// The fast search for the next pair of clusters to join: a cache of every
// row's best partner, kept exact while the working matrix is updated.
//
// Row x's best partner is the pair the full scan (find_closest_pair) would
// accept last if it scanned row x alone: the first current j > x, in
// ascending order, whose entry (x, j) is strictly closer than every earlier
// entry of the row and than the start value (-1e30 for a similarity, +1e30
// for a distance); NaN never passes. The full scan's choice is then the first
// row, in ascending x, whose best is strictly closer than the bests of all
// earlier rows: the same pair, found by the same strict tests, as a scan of
// the whole triangle.
//
// Joining i < j changes only row i (every entry), the entries (k, i) of the
// rows k < i, and takes j out of the rows k < j. So a row is scanned again
// only when its best partner was j, or was i and its new entry is farther or
// NaN; an entry (k, i) that became strictly closer than the cached best, or
// as close and earlier in the row, replaces it. Row i's best is rebuilt from
// its new entries, in ascending k.
//
// This is the "generic" algorithm of Müllner (2011, "Modern hierarchical,
// agglomerative clustering algorithms", arXiv:1109.2378), with a linear pass
// over the row bests instead of a priority queue: O(n) per linkage, and the
// scan-order tie rule stays exact without a tie-aware heap.
//
// Memory: two values per object; the matrix is only read.

#include <cstdint>
#include <span>
#include <vector>

#include "cluster/closest_pair.h"
#include "run/host.h"
#include "run/matrix.h"

namespace tw {

// How agglomerate looks for the pair to join. Both give the same linkages;
// FullScan is the plain scan of the whole triangle at every linkage (order
// n^3), kept as the reference the fast search is checked and timed against.
enum class PairSearch : std::int8_t { RowBests, FullScan };

class RowBestSearch {
  public:
    // `m` and `absorbed` are the engine's working matrix and absorbed marks
    // over objects 1..n; both must outlive the search.
    RowBestSearch(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed, std::int32_t n,
                  Resemblance distance_flag);

    // Finds every row's best partner from the matrix as it stands. Yields
    // once per row.
    void prepare(Host& host);

    // The pair find_closest_pair would return for the matrix as it stands.
    ClosestPair closest(Host& host) const;

    // The linkage joined i < j (j is marked absorbed) and stored, for every
    // current k other than i, listed in ascending order in `k`, the new entry
    // (min(i, k), max(i, k)) = level[x]. Brings the row bests up to date.
    void merged(std::int32_t i, std::int32_t j, std::span<const std::int32_t> k,
                std::span<const float> level, Host& host);

  private:
    struct Best {
        std::int32_t partner = 0;  // 0: no entry of the row passes the test
        float level = 0.0f;        // the entry, or the start value without a partner
    };

    bool closer(float v, float than) const { return distance_ ? v < than : v > than; }
    Best none() const { return {0, start_}; }
    void rescan(std::int32_t x, Host& host);
    void entry_of_earlier_row(std::int32_t k, float v, std::int32_t i, std::int32_t j, Host& host);

    const Matrix<float>& m_;
    const std::vector<std::int16_t>& absorbed_;
    std::int32_t n_;
    bool distance_;
    float start_;
    std::vector<Best> best_;  // 1..n
};

}  // namespace tw
