#include "resemblance/bray_curtis.h"

#include <algorithm>
#include <optional>

#include "resemblance/measure.h"
#include "resemblance/partner_blocks.h"

namespace tw {

BrayCurtisSums bray_curtis_sums(const Matrix<float>& x, std::int32_t j, std::int32_t k,
                                std::int16_t species, Host& host) {
    const float* a = x.row(j);
    const float* b = x.row(k);
    BrayCurtisSums s;
    for (std::int32_t i = 1; i <= species; ++i) {
        host.yield();
        s.shared += std::min(a[i], b[i]);
        s.total = s.total + a[i] + b[i];
    }
    return s;
}

namespace {

// Sixteen partners: their W and T sums fill the vector registers.
constexpr std::int32_t kPartners = 16;
constexpr std::size_t kLaneGroups = kPartners / Lanes::size();
static_assert(kPartners % Lanes::size() == 0);

// W and T of object j (its row xj) with the kPartners objects from `first`
// on, each partner's sums built as bray_curtis_sums builds them.
struct PartnerSums {
    float shared[kPartners];
    float total[kPartners];
};

// The choice of the smaller value goes lane group by lane group: on a whole
// block it would travel through bit masks instead of vector compares.
[[gnu::noinline]] void partner_sums(const float* xj, const SpeciesColumns& columns,
                                    std::int32_t first, std::int16_t species, PartnerSums& out) {
    Lanes shared[kLaneGroups];
    Lanes total[kLaneGroups];
    for (std::size_t g = 0; g < kLaneGroups; ++g) shared[g] = total[g] = 0.0f;
    for (std::int32_t s = 1; s <= species; ++s) {
        const float a = xj[s];
#pragma GCC unroll 16
        for (std::size_t g = 0; g < kLaneGroups; ++g) {
            const Lanes b = columns.lanes(s, first, g * Lanes::size());
            Lanes smaller = a;  // std::min(a, b): b only where b < a
            stdx::where(b < smaller, smaller) = b;
            shared[g] += smaller;
            total[g] = total[g] + a + b;
        }
    }
    for (std::size_t g = 0; g < kLaneGroups; ++g) {
        shared[g].copy_to(out.shared + g * Lanes::size(), stdx::element_aligned);
        total[g].copy_to(out.total + g * Lanes::size(), stdx::element_aligned);
    }
}

// The sums of pair (j, k), the pairs taken in their usual order: the first
// pair of each block computes the whole block.
BrayCurtisSums sums_of_pair(const MeasureInput& in, const SpeciesColumns* columns,
                            PartnerSums& block, std::int32_t j, std::int32_t k) {
    if (columns == nullptr) return bray_curtis_sums(in.x, j, k, in.species, in.host);
    const std::int32_t first = k - (k - j - 1) % kPartners;
    if (k == first) partner_sums(in.x.row(j), *columns, first, in.species, block);
    in.host.yield_for(in.species);
    return {block.shared[k - first], block.total[k - first]};
}

// T = 0 with W != 0 only arises from negative abundances, where the
// coefficient means nothing; the pair is stored as sharing nothing (0)
// rather than as an infinite or NaN level that would derail clustering.
float coefficient(const BrayCurtisSums& s) {
    if (s.total == 0.0f) return 0.0f;
    return 2.0f * s.shared / s.total;
}

void start_own_line(Printer& m) {
    if (m.column() > 1) m.end();
}

}  // namespace

RoutineExit bray_curtis(const MeasureInput& in, Workspace& w, std::int16_t& resample_retries,
                        std::string& resample_flag) {
    const MeasureTraits& traits = traits_of(Measure::BrayCurtis);
    Printer& m = in.messages();
    if (in.observed()) {
        m.clear();
        m.text(traits.heading).end();
    }
    w.MeasureName = traits.name;
    if (in.observed()) m.text("Distances ...").end();

    std::optional<SpeciesColumns> columns;
    if (in.n >= kBlockMinObjects) columns.emplace(in.x, in.n, in.species, w.SpeciesColumns);
    PartnerSums block;
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            const BrayCurtisSums s = sums_of_pair(in, columns ? &*columns : nullptr, block, j, k);
            if (s.shared == 0.0f && s.total == 0.0f) {
                if (!in.observed()) {
                    m.clear();
                    m.text("Resampling to avoid DIVIDE-BY-ZERO error").end();
                    resample_flag = "R";
                    resample_retries = static_cast<std::int16_t>(resample_retries + 1);
                    return RoutineExit::Resample;
                }
                w.SimMatrix(j, k) = 1.0f;
                start_own_line(m);
                m.text("All abundances 0 -- similarity set to 1").end();
            } else {
                w.SimMatrix(j, k) = coefficient(s);
                resample_retries = 0;
            }
            w.DistanceFlag = distance_flag(Measure::BrayCurtis);
            if (in.observed()) progress_mark(m, std::int64_t{j} * k, 50, "B");
        }
        if (in.observed()) m.text(" ");
    }
    // Also set here so that a single object (no pair) still reports a similarity.
    w.DistanceFlag = distance_flag(Measure::BrayCurtis);
    if (in.observed()) {
        m.line();
        m.line();
    }
    return RoutineExit::Normal;
}

}  // namespace tw
