#pragma once
// Pearson's product-moment correlation between the abundance profiles of two
// objects across the species, in three passes: object means, deviations
// from the means (kept in CorrelationArrays), and one
// coefficient per pair from the cross-product and the two sums of squares.

#include <cstdint>
#include <vector>

#include "resemblance/measure_input.h"
#include "run/run_context.h"

namespace tw {

struct CorrelationArrays {
    std::vector<float> StationMean;  // 1..n: each object's mean abundance
    Matrix<float> StationDev;        // (object, species): abundance less the object's mean
};

// r between rows j and k of StationDev over species 1..species; 0 when
// either object has the same abundance for every species. Yields after each
// species.
float correlation_pair(const Matrix<float>& deviations, std::int32_t j, std::int32_t k,
                       std::int16_t species, Host& host);

// Re-creates a.StationMean and a.StationDev, fills the upper triangle of
// w.SimMatrix with r itself and sets DistanceFlag 0: the most positively
// correlated pair is the closest and joins first.
void correlation(const MeasureInput& in, Workspace& w, CorrelationArrays& a);

}  // namespace tw
