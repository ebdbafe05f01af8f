#include "simprof/profile.h"

#include <algorithm>

#include "resemblance/resemblance.h"

namespace tw {

ProfileMeasure::ProfileMeasure(const RunContext& run) {
    ctx_.MeasureIndex = run.MeasureIndex;
    ctx_.NumVars = run.NumVars;
    ctx_.NumCols = run.NumCols;
    // A permutation can give an object fewer individuals than species; it is
    // fitted as the user's Yes to that question fits it, without asking.
    ctx_.PoorFitWarned = true;
}

void ProfileMeasure::profile(const Matrix<float>& x, std::int32_t m, std::vector<float>& out) {
    // A permuted set is measured quietly, as a bootstrap replicate is.
    if (compute_resemblance(ctx_, host_, work_, measure_arrays_, x, m, RunMode::Replicate) !=
        RoutineExit::Normal) {
        // Two empty objects under Bray-Curtis: the observed run's rule counts
        // them as identical, and a permuted set is measured as the data are.
        compute_resemblance(ctx_, host_, work_, measure_arrays_, x, m, RunMode::Observed);
        ctx_.PoorFitWarned = true;
    }
    out.clear();
    out.reserve(static_cast<std::size_t>(m) * static_cast<std::size_t>(m - 1) / 2);
    for (std::int32_t j = 1; j < m; ++j)
        for (std::int32_t k = j + 1; k <= m; ++k) out.push_back(work_.SimMatrix(j, k));
    std::sort(out.begin(), out.end());
}

}  // namespace tw
