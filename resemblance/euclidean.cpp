#include "resemblance/euclidean.h"

#include <algorithm>
#include <cmath>

#include "resemblance/species_columns.h"

namespace tw {

namespace {

// Sums of squared differences from object j (its row xj) to the kPartners
// objects from `first` on, into sum.
void partner_sums(const float* xj, const SpeciesColumns& columns, std::int32_t first,
                  std::int16_t species, float* sum) {
    Partners total = 0.0f;
    for (std::int16_t s = 1; s <= species; ++s) {
        const Partners d = xj[s] - columns.partners(s, first);
        total += d * d;
    }
    total.copy_to(sum, stdx::element_aligned);
}

}  // namespace

float euclidean_pair(const Matrix<float>& x, std::int32_t j, std::int32_t k, std::int16_t species,
                     Host& host) {
    const float* a = x.row(j);
    const float* b = x.row(k);
    float sum = 0.0f;
    for (std::int32_t i = 1; i <= species; ++i) {
        const float d = a[i] - b[i];
        sum += d * d;
        host.yield();
    }
    return std::sqrt(sum);
}

void euclidean_distance(const MeasureInput& in, Workspace& w) {
    Printer& m = in.messages();
    if (in.observed()) {
        m.text("EUCLIDEAN DISTANCE").end();
        m.clear();
        m.text("Distances ...").end();
    }
    w.MeasureName = "Euclidean Dist.";
    const SpeciesColumns columns(in.x, in.n, in.species, w.SpeciesColumns);
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        const float* xj = in.x.row(j);
        for (std::int32_t first = j + 1; first <= in.n; first += kPartners) {
            float sum[kPartners];
            partner_sums(xj, columns, first, in.species, sum);
            const std::int32_t last = std::min(first + kPartners - 1, in.n);
            for (std::int32_t k = first; k <= last; ++k) {
                w.SimMatrix(j, k) = std::sqrt(sum[k - first]);
                if (in.observed()) progress_mark(m, std::int64_t{j} * k, 20, "E");
            }
            in.host.yield_for(std::int64_t{last - first + 1} * in.species);
        }
        if (in.observed()) m.text(" ").end();
    }
    w.DistanceFlag = 1;
    m.line();
    m.line();
}

}  // namespace tw
