#pragma once
// Euclidean distance between objects: the square root of the sum over species
// of squared differences, accumulated in single precision in species order.

#include <cstdint>
#include <vector>

#include "resemblance/measure_input.h"
#include "run/run_context.h"

namespace tw {

// Distance between rows j and k of x over species 1..species; yields after
// each species.
float euclidean_pair(const Matrix<float>& x, std::int32_t j, std::int32_t k, std::int16_t species,
                     Host& host);

// Fills the upper triangle of w.SimMatrix; DistanceFlag 1. `column_storage`
// holds the objects species by species while it works (SpeciesColumns).
void euclidean_distance(const MeasureInput& in, Workspace& w, std::vector<float>& column_storage);

}  // namespace tw
