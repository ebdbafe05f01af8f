#pragma once
// The search for the next pair of clusters to join.

#include <cstdint>
#include <vector>

#include "run/host.h"
#include "run/matrix.h"
#include "run/measure_index.h"

namespace tw {

struct ClosestPair {
    std::int32_t i = 0;  // i < j, both current clusters
    std::int32_t j = 0;
    float level = 0.0f;  // the matrix entry (i, j)
};

// Contract (any faster search must keep it exactly):
//   Input: the upper triangle m(i, j), i < j, of the working matrix over
//   objects 1..n (n >= 2) and absorbed[x] != 0 for every index x that no
//   longer represents a cluster; at least two indices are current.
//   Result: among the current pairs, the closest one: the largest entry for
//   a similarity, the smallest for a distance, compared in single
//   precision against a start value of -1e30 (similarity) or +1e30
//   (distance) with strict tests. Ties go to the first pair in scan order:
//   the smallest i, and for that i the smallest j.
//   When no entry passes the strict test (every entry NaN, or at or beyond
//   the start value) the first current pair in scan order is joined at its
//   own entry, so that the hierarchy stays complete and the bad value shows
//   in the linkage table.
//   Side effect: host.yield() each time a pair becomes the best so far, so
//   the windows stay responsive during long searches. Nothing else is read
//   or written.
ClosestPair find_closest_pair(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed,
                              std::int32_t n, Resemblance distance_flag, Host& host);

// The first current pair in scan order at its own entry: what the search
// joins when no entry passes its strict test.
ClosestPair first_current_pair(const Matrix<float>& m, const std::vector<std::int16_t>& absorbed,
                               std::int32_t n);

}  // namespace tw
