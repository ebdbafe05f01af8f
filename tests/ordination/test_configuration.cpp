#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ordination/classical_scaling.h"
#include "ordination/configuration.h"
#include "ordination/nmds.h"
#include "ordination/start_streams.h"

namespace tw {
namespace {

// `c` turned by `angle`, reflected on the first axis when `mirror`,
// scaled and moved.
Configuration moved(const Configuration& c, double angle, bool mirror, double scale) {
    Configuration out(c.objects, 2);
    for (std::int32_t i = 0; i < c.objects; ++i) {
        const double x = mirror ? -c.at(i, 0) : c.at(i, 0), y = c.at(i, 1);
        out.at(i, 0) = scale * (std::cos(angle) * x - std::sin(angle) * y) + 3;
        out.at(i, 1) = scale * (std::sin(angle) * x + std::cos(angle) * y) - 1;
    }
    return out;
}

TEST(Procrustes, TurnedReflectedScaledAndMovedCopiesFitExactly) {
    const Configuration c = random_start(25, 2, 4, 1);
    for (bool mirror : {false, true}) {
        const ProcrustesFit fit = procrustes(c, moved(c, 0.7, mirror, 4.5));
        EXPECT_NEAR(fit.correlation, 1, 1e-12);
        EXPECT_NEAR(fit.rmse, 0, 1e-6);
        EXPECT_NEAR(fit.max_residual, 0, 1e-6);
    }
    const ProcrustesFit unrelated = procrustes(c, random_start(25, 2, 4, 2));
    EXPECT_LT(unrelated.correlation, 0.8);
    EXPECT_GT(unrelated.max_residual, 0.01) << "counts as another solution";
}

TEST(Procrustes, ThreeAxesFitExactlyToo) {
    const Configuration c = random_start(20, 3, 9, 1);
    Configuration swapped(20, 3);  // axes in another order, one reversed
    for (std::int32_t i = 0; i < 20; ++i) {
        swapped.at(i, 0) = c.at(i, 2);
        swapped.at(i, 1) = -c.at(i, 0);
        swapped.at(i, 2) = c.at(i, 1);
    }
    EXPECT_NEAR(procrustes(c, swapped).correlation, 1, 1e-12);
}

TEST(PrincipalAxes, SameSolutionComesOutTheSameWayRound) {
    const Configuration c = random_start(30, 2, 6, 1);
    Configuration a = moved(c, 0.3, false, 1), b = moved(c, 2.1, true, 1);
    for (Configuration* x : {&a, &b}) {
        centre(*x);
        rotate_to_principal_axes(*x);
    }
    for (std::int32_t i = 0; i < 30; ++i)
        for (std::int32_t k = 0; k < 2; ++k) EXPECT_NEAR(a.at(i, k), b.at(i, k), 1e-9);
}

TEST(ClassicalScaling, RecoversEuclideanPointsUpToRotation) {
    for (std::int32_t k : {2, 3}) {
        const Configuration truth = random_start(40, k, 21, 1);
        std::vector<double> d;
        for (std::int32_t i = 0; i < 40; ++i)
            for (std::int32_t j = i + 1; j < 40; ++j) d.push_back(truth.distance(i, j));
        const Configuration start =
            classical_scaling(rank_pairs(dissimilarities_from(40, d, true)), k);
        const ProcrustesFit fit = procrustes(truth, start);
        EXPECT_GT(fit.correlation, 0.9999) << k << " axes";
        // Distances, not only their shape: the scale is the data's own.
        EXPECT_NEAR(start.distance(0, 1), truth.distance(0, 1), 1e-3 * truth.distance(0, 1));
    }
}

TEST(NmdsScaling, HalfChangeUnitsWhenTheDissimilaritiesHaveACeiling) {
    // Bray-Curtis-like dissimilarities that grow by 0.05 a step along a
    // line: half change (0.5) is ten steps, so objects ten steps apart are
    // one unit apart.
    const std::int32_t n = 12;
    std::vector<double> s;  // similarities
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = i + 1; j < n; ++j) s.push_back(1 - std::min(1.0, 0.05 * (j - i)));
    const PairDissimilarities d = dissimilarities_from(n, s, false);
    ASSERT_EQ(d.ceiling, 1.0);
    NmdsSettings settings;
    settings.starts = 3;
    const Ordination o = nmds(d, settings);
    EXPECT_EQ(o.scaling, "half-change units");
    // Objects 0 and 10 differ by 0.5: one half-change unit apart.
    EXPECT_NEAR(o.points.distance(0, 10), 1.0, 0.05);

    std::vector<double> far(s.size());
    for (std::size_t p = 0; p < s.size(); ++p) far[p] = 10 * (1 - s[p]);  // a distance
    const Ordination plain = nmds(dissimilarities_from(n, far, true), settings);
    EXPECT_EQ(plain.scaling, "largest distance = largest dissimilarity");
    EXPECT_NEAR(plain.points.distance(0, n - 1), 5.5, 0.05);
}

TEST(NmdsControl, ReportsEveryStartAndStopsWhenAsked) {
    std::vector<double> d;
    const Configuration truth = random_start(30, 2, 2, 2);
    for (std::int32_t i = 0; i < 30; ++i)
        for (std::int32_t j = i + 1; j < 30; ++j) d.push_back(truth.distance(i, j));
    const PairDissimilarities pd = dissimilarities_from(30, d, true);
    NmdsSettings s;
    s.starts = 6;
    std::vector<std::int32_t> seen;
    NmdsControl control;
    control.progress = [&](std::int32_t done) { seen.push_back(done); };
    nmds(pd, s, control);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));

    std::atomic<bool> stop{true};
    control.stop = &stop;
    EXPECT_THROW(nmds(pd, s, control), OrdinationStopped);
}

}  // namespace
}  // namespace tw
