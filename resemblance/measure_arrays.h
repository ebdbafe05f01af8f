#pragma once
// The measures' own working arrays, one member for each measure that keeps
// any. Nothing outside the measures reads them. Whoever calls the
// resemblance stage owns one: the observed run for its single call, and each
// bootstrap replicate's scratch for every replicate it runs, so that a
// replicate reuses the room the one before it made.

#include <vector>

#include "resemblance/correlation.h"
#include "resemblance/heterogeneity_ratio.h"

namespace tw {

struct MeasureArrays {
    // The objects species by species (SpeciesColumns, resemblance/partner_blocks.h)
    // for Euclidean distance and Bray-Curtis.
    std::vector<float> species_columns;
    CorrelationArrays correlation;
    HeterogeneityRatioArrays heterogeneity_ratio;
};

}  // namespace tw
