#include "ordination/pair_dissimilarities.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tw {

std::size_t PairDissimilarities::pair_index(std::int32_t i, std::int32_t j) const {
    if (i > j) std::swap(i, j);
    const auto n = static_cast<std::size_t>(objects);
    const auto a = static_cast<std::size_t>(i);
    return a * n - a * (a + 1) / 2 + static_cast<std::size_t>(j - i - 1);
}

PairDissimilarities dissimilarities_from(std::int32_t objects, std::vector<double> resemblances,
                                         bool distance) {
    PairDissimilarities out;
    out.objects = objects;
    out.values = std::move(resemblances);
    if (distance) {
        out.rule = "distance";
        return out;
    }
    double high = 1.0, low = 0.0;
    for (double s : out.values) {
        high = std::max(high, s);
        low = std::min(low, s);
    }
    for (double& s : out.values) s = high - s;
    if (high == 1.0) {
        out.rule = "1 - similarity";
        if (low >= 0.0) out.ceiling = 1.0;
    } else {
        out.rule = "M - similarity, M the largest similarity";
    }
    return out;
}

PairDissimilarities dissimilarities_of_run(const RunContext& ctx) {
    const std::int32_t n = ctx.NumGroups;
    const Matrix<float>& sim = ctx.work.SimMatrix;
    if (n < 1 || sim.last_row() < n || sim.last_col() < n)
        throw std::runtime_error("The run has no resemblance matrix to ordinate.");
    std::vector<double> upper;
    upper.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n - 1) / 2);
    for (std::int32_t i = 1; i <= n; ++i) {
        for (std::int32_t j = i + 1; j <= n; ++j) {
            const double v = sim(i, j);
            if (!std::isfinite(v))
                throw std::runtime_error("The resemblance of " + ctx.GroupLabel[i] + " and " +
                                         ctx.GroupLabel[j] +
                                         " is not a number, so the objects cannot be ordinated.");
            upper.push_back(v);
        }
    }
    return dissimilarities_from(n, std::move(upper),
                                ctx.work.DistanceFlag == Resemblance::Distance);
}

}  // namespace tw
