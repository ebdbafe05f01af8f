#pragma once
// Pearson's product-moment correlation between the abundance profiles of two
// objects across the species, in three passes: object means, deviations
// from the means (kept in w.StationMean and w.StationDev), and one
// coefficient per pair from the cross-product and the two sums of squares.

#include <cstdint>

#include "resemblance/measure_input.h"
#include "run/run_context.h"

namespace tw {

// r between rows j and k of w.StationDev over species 1..species; 0 when
// either object has the same abundance for every species. Yields after each
// species.
float correlation_pair(const Matrix<float>& deviations, std::int32_t j, std::int32_t k,
                       std::int16_t species, Host& host);

// Re-creates w.StationMean and w.StationDev, fills the upper triangle of
// w.SimMatrix with r itself and sets DistanceFlag 0: the most positively
// correlated pair is the closest and joins first.
void correlation(const MeasureInput& in, Workspace& w);

}  // namespace tw
