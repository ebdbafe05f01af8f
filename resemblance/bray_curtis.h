#pragma once
// Bray-Curtis coefficient between objects: 2W / T, where W is the sum over
// species of the smaller of the two abundances and T the sum of all
// abundances of both objects. A similarity in 0..1 for non-negative data.

#include <cstdint>
#include <vector>

#include "resemblance/measure_input.h"
#include "resemblance/routine_exit.h"
#include "run/run_context.h"

namespace tw {

struct BrayCurtisSums {
    float shared = 0.0f;  // W
    float total = 0.0f;   // T
};

// W and T of rows j and k over species 1..species, accumulated in single
// precision in species order; yields at the start of each species step.
BrayCurtisSums bray_curtis_sums(const Matrix<float>& x, std::int32_t j, std::int32_t k,
                                std::int16_t species, Host& host);

// Fills the upper triangle of w.SimMatrix; DistanceFlag 0. `column_storage`
// holds the objects species by species while it works (SpeciesColumns).
// A pair of two empty objects cannot be compared: the observed run stores
// 1.0 and says so; a replicate gives up at once (the resample exit,
// resample_retries + 1) so that the bootstrap draws it again.
// Every pair computed from its sums sets resample_retries back to 0.
RoutineExit bray_curtis(const MeasureInput& in, Workspace& w, std::vector<float>& column_storage,
                        std::int16_t& resample_retries);

}  // namespace tw
