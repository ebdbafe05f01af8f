#include "resemblance/euclidean.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "resemblance/measure.h"
#include "resemblance/partner_blocks.h"
#include "resemblance/row_threads.h"

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

// Row j of the matrix, the distances from object j to every later object,
// a block of partners at a time. Touches nothing but row j of `sim`, so rows
// can be computed on several threads at once.
void distance_row(const Matrix<float>& x, const SpeciesColumns& columns, std::int32_t j,
                  std::int32_t n, std::int16_t species, Matrix<float>& sim) {
    float d[kPartners];
    for (std::int32_t first = j + 1; first <= n; first += kPartners) {
        partner_distances(x.row(j), columns, first, species, d);
        const std::int32_t last = std::min(first + kPartners - 1, n);
        for (std::int32_t k = first; k <= last; ++k) sim(j, k) = d[k - first];
    }
}

// Row j pair by pair, for the few objects of most bootstrap replicates.
void distance_row_by_pairs(const MeasureInput& in, std::int32_t j, Matrix<float>& sim) {
    for (std::int32_t k = j + 1; k <= in.n; ++k)
        sim(j, k) = euclidean_pair(in.x, j, k, in.species, in.host);
}

void row_marks(Printer& m, std::int32_t j, std::int32_t n) {
    row_progress_marks(m, j, j + 1, n, 20, 'E');
    m.text(" ").end();
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

void euclidean_distance(const MeasureInput& in, Workspace& w, std::vector<float>& column_storage) {
    const MeasureTraits& traits = traits_of(Measure::Euclidean);
    Printer& m = in.messages();
    if (in.observed()) {
        m.text(traits.heading).end();
        m.clear();
        m.text("Distances ...").end();
    }
    w.MeasureName = traits.name;
    std::optional<SpeciesColumns> columns;
    if (in.n >= kBlockMinObjects) columns.emplace(in.x, in.n, in.species, column_storage);
    if (columns && in.threads > 1) {
        // Every row first, on every core; then the marks the rows would have
        // printed one by one.
        each_row_on_threads(in.host, in.n, in.threads, in.species, [&](std::int32_t j) {
            distance_row(in.x, *columns, j, in.n, in.species, w.SimMatrix);
        });
        if (in.observed()) {
            // On 10,000 objects the marks alone take a fifth of a second.
            for (std::int32_t j = 1; j <= in.n - 1; ++j) {
                row_marks(m, j, in.n);
                in.host.yield_for(in.n - j);
            }
        }
    } else {
        for (std::int32_t j = 1; j <= in.n - 1; ++j) {
            if (columns) {
                distance_row(in.x, *columns, j, in.n, in.species, w.SimMatrix);
                in.host.yield_for(std::int64_t{in.n - j} * in.species);
            } else {
                distance_row_by_pairs(in, j, w.SimMatrix);
            }
            if (in.observed()) row_marks(m, j, in.n);
        }
    }
    w.DistanceFlag = distance_flag(Measure::Euclidean);
    m.line();
    m.line();
}

}  // namespace tw
