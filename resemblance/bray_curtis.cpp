#include "resemblance/bray_curtis.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "resemblance/measure.h"
#include "resemblance/partner_blocks.h"
#include "resemblance/row_threads.h"

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

constexpr const char* kZeroPairNote = "All abundances 0 -- similarity set to 1";

// Row j of the observed run's matrix, a block of partners at a time; the
// pairs of two empty objects get similarity 1 and are listed in `zero_pairs`
// for the note the message area shows for them. Touches nothing but row j of
// `sim` and its own list, so rows can be computed on several threads at once.
void similarity_row(const MeasureInput& in, const SpeciesColumns& columns, std::int32_t j,
                    Matrix<float>& sim, std::vector<std::int32_t>& zero_pairs) {
    PartnerSums block;
    for (std::int32_t first = j + 1; first <= in.n; first += kPartners) {
        partner_sums(in.x.row(j), columns, first, in.species, block);
        const std::int32_t last = std::min(first + kPartners - 1, in.n);
        for (std::int32_t k = first; k <= last; ++k) {
            const BrayCurtisSums s{block.shared[k - first], block.total[k - first]};
            if (s.shared == 0.0f && s.total == 0.0f) {
                sim(j, k) = 1.0f;
                zero_pairs.push_back(k);
            } else {
                sim(j, k) = coefficient(s);
            }
        }
    }
}

// What the message area shows for row j once its pairs are computed: the
// progress marks, with the note of each empty pair where that pair stands.
void row_messages(Printer& m, std::int32_t j, std::int32_t n,
                  const std::vector<std::int32_t>& zero_pairs) {
    std::int32_t from = j + 1;
    for (const std::int32_t k : zero_pairs) {
        row_progress_marks(m, j, from, k - 1, 50, 'B');
        start_own_line(m);
        m.text(kZeroPairNote).end();
        progress_mark(m, std::int64_t{j} * k, 50, "B");
        from = k + 1;
    }
    row_progress_marks(m, j, from, n, 50, 'B');
    m.text(" ");
}

// The observed run on several threads: every row first, then the messages
// the rows would have printed one by one. Every pair computed normally sets
// the run of abandoned replicates back to 0, as on one thread.
void observed_on_threads(const MeasureInput& in, const SpeciesColumns& columns, Workspace& w,
                         std::int16_t& resample_retries) {
    std::vector<std::vector<std::int32_t>> zero_pairs(static_cast<std::size_t>(in.n) + 1);
    each_row_on_threads(in.host, in.n, in.threads, in.species, [&](std::int32_t j) {
        similarity_row(in, columns, j, w.SimMatrix, zero_pairs[static_cast<std::size_t>(j)]);
    });
    std::int64_t empty_pairs = 0;
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        const auto& zeros = zero_pairs[static_cast<std::size_t>(j)];
        row_messages(in.messages(), j, in.n, zeros);
        in.host.yield_for(in.n - j);  // on 10,000 objects the marks take a fifth of a second
        empty_pairs += static_cast<std::int64_t>(zeros.size());
    }
    const std::int64_t pairs = std::int64_t{in.n} * (in.n - 1) / 2;
    if (empty_pairs < pairs) resample_retries = 0;
    w.DistanceFlag = distance_flag(Measure::BrayCurtis);
}

}  // namespace

RoutineExit bray_curtis(const MeasureInput& in, Workspace& w, std::vector<float>& column_storage,
                        std::int16_t& resample_retries) {
    const MeasureTraits& traits = traits_of(Measure::BrayCurtis);
    Printer& m = in.messages();
    if (in.observed()) {
        m.clear();
        m.text(traits.heading).end();
    }
    w.MeasureName = traits.name;
    if (in.observed()) m.text("Distances ...").end();

    std::optional<SpeciesColumns> columns;
    if (in.n >= kBlockMinObjects) columns.emplace(in.x, in.n, in.species, column_storage);
    // A replicate stops at its first empty pair, which only the pairs in
    // their order can find; replicates run side by side instead.
    if (columns && in.observed() && in.threads > 1) {
        observed_on_threads(in, *columns, w, resample_retries);
        m.line();
        m.line();
        return RoutineExit::Normal;
    }
    PartnerSums block;
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            const BrayCurtisSums s = sums_of_pair(in, columns ? &*columns : nullptr, block, j, k);
            if (s.shared == 0.0f && s.total == 0.0f) {
                if (!in.observed()) {
                    m.clear();
                    m.text("Resampling to avoid DIVIDE-BY-ZERO error").end();
                    resample_retries = static_cast<std::int16_t>(resample_retries + 1);
                    return RoutineExit::Resample;
                }
                w.SimMatrix(j, k) = 1.0f;
                start_own_line(m);
                m.text(kZeroPairNote).end();
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
