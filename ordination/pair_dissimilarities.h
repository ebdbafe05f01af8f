#pragma once
// The dissimilarities an ordination places its objects by: one value per
// pair of objects, i < j, row by row ((0,1), (0,2), ..., (1,2), ...), with
// objects numbered from 0.
//
// A run's resemblance matrix becomes dissimilarities by one stated rule:
// - a distance (Euclidean, H/R) is its own dissimilarity;
// - a similarity is turned over: "1 - similarity" when every value is at
//   most 1 (all the program's similarity coefficients), otherwise
//   "M - similarity" with M the largest value in the matrix.
// Non-metric scaling reads only the order of the dissimilarities, so the
// rule changes nothing but the classical-scaling start and the scale of the
// axes. A dissimilarity has a known ceiling (for half-change scaling) when
// it came from a similarity bounded by 0 and 1.
//
// The matrix is taken as the clustering used it: squared when the run
// squared its resemblances.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace tw {

struct PairDissimilarities {
    std::int32_t objects = 0;
    std::vector<double> values;     // objects * (objects - 1) / 2
    std::optional<double> ceiling;  // the largest a dissimilarity can be, when known
    std::string rule;               // "1 - similarity", "distance", ...

    double at(std::int32_t i, std::int32_t j) const { return values[pair_index(i, j)]; }
    std::size_t pair_index(std::int32_t i, std::int32_t j) const;
};

// The observed run's objects (its groups, after averaging and
// transformation) from the resemblance matrix its clustering read. Throws
// std::runtime_error, saying why, when the run has no matrix or the matrix
// holds a value that is not a number.
PairDissimilarities dissimilarities_of_run(const RunContext& ctx);

// The rule applied to a plain upper triangle of resemblances (row by row);
// what dissimilarities_of_run does once it has read the matrix.
PairDissimilarities dissimilarities_from(std::int32_t objects, std::vector<double> resemblances,
                                         bool distance);

}  // namespace tw
