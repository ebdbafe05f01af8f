#include "resemblance/euclidean.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "resemblance/measure.h"
#include "resemblance/partner_blocks.h"

namespace tw {

namespace {

constexpr std::int32_t kPartners = 32;

// Distances from object j (its row xj) to the kPartners objects from
// `first` on, into d.
[[gnu::noinline]] void partner_distances(const float* xj, const SpeciesColumns& columns,
                                         std::int32_t first, std::int16_t species, float* d) {
    PartnerBlock<kPartners> total = 0.0f;
    for (std::int32_t s = 1; s <= species; ++s) {
        const PartnerBlock<kPartners> diff = xj[s] - columns.block<kPartners>(s, first);
        total += diff * diff;
    }
    total.copy_to(d, stdx::element_aligned);
    for (std::int32_t t = 0; t < kPartners; ++t) d[t] = std::sqrt(d[t]);
}

// Distances from object j to the objects first..last (at most kPartners),
// into d: a block at once when the objects have been copied species by
// species, else pair by pair.
void distances_from(const MeasureInput& in, const SpeciesColumns* columns, std::int32_t j,
                    std::int32_t first, std::int32_t last, float* d) {
    if (columns == nullptr) {
        for (std::int32_t k = first; k <= last; ++k)
            d[k - first] = euclidean_pair(in.x, j, k, in.species, in.host);
        return;
    }
    partner_distances(in.x.row(j), *columns, first, in.species, d);
    in.host.yield_for(std::int64_t{last - first + 1} * in.species);
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
    const MeasureTraits& traits = traits_of(Measure::Euclidean);
    Printer& m = in.messages();
    if (in.observed()) {
        m.text(traits.heading).end();
        m.clear();
        m.text("Distances ...").end();
    }
    w.MeasureName = traits.name;
    std::optional<SpeciesColumns> columns;
    if (in.n >= kBlockMinObjects) columns.emplace(in.x, in.n, in.species, w.SpeciesColumns);
    const SpeciesColumns* blocks = columns ? &*columns : nullptr;
    float d[kPartners];
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t first = j + 1; first <= in.n; first += kPartners) {
            const std::int32_t last = std::min(first + kPartners - 1, in.n);
            distances_from(in, blocks, j, first, last, d);
            for (std::int32_t k = first; k <= last; ++k) {
                w.SimMatrix(j, k) = d[k - first];
                if (in.observed()) progress_mark(m, std::int64_t{j} * k, 20, "E");
            }
        }
        if (in.observed()) m.text(" ").end();
    }
    w.DistanceFlag = distance_flag(Measure::Euclidean);
    m.line();
    m.line();
}

}  // namespace tw
