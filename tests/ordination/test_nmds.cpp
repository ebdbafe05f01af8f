#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "ordination/nmds.h"
#include "ordination/start_streams.h"

namespace tw {
namespace {

PairDissimilarities euclidean_of(const Configuration& c) {
    std::vector<double> d;
    for (std::int32_t i = 0; i < c.objects; ++i)
        for (std::int32_t j = i + 1; j < c.objects; ++j) d.push_back(c.distance(i, j));
    return dissimilarities_from(c.objects, std::move(d), true);
}

TEST(Nmds, RecoversAConfigurationFromItsOwnEuclideanDistances) {
    for (std::int32_t k : {2, 3}) {
        const Configuration truth = random_start(40, k, 7, 0);
        NmdsSettings s;
        s.dimensions = k;
        s.starts = 5;
        const Ordination o = nmds(euclidean_of(truth), s);
        EXPECT_LT(o.stress, 1e-3) << k << " axes";
        EXPECT_GT(procrustes(truth, o.points).correlation, 0.99) << k << " axes";
        EXPECT_GE(o.repeated, 1);
    }
}

// Four objects on a line at 0, 1, 3 and 4; the dissimilarities rank the
// pairs (0,1) (0,2) (1,2) (2,3) (1,3) (0,3), whose distances 1 3 2 1 3 4
// pool to the disparities 1 2 2 2 3 4: a misfit of 2 against a sum of
// squared distances of 40.
TEST(Nmds, StressOfASmallExampleIsKruskalsFormulaOne) {
    const PairDissimilarities d = dissimilarities_from(4, {1, 2, 6, 3, 5, 4}, true);
    Configuration line(4, 2);
    const double x[] = {0, 1, 3, 4};
    for (std::int32_t i = 0; i < 4; ++i) line.at(i, 0) = x[i];
    const ShepardFit fit = shepard_fit(rank_pairs(d), line);
    EXPECT_NEAR(fit.stress, std::sqrt(2.0 / 40.0), 1e-12);
    EXPECT_EQ(fit.fitted, (std::vector<double>{1, 2, 2, 2, 3, 4}));
}

TEST(Nmds, TiedDissimilaritiesMayTakeAnyDistances) {
    const PairDissimilarities d = dissimilarities_from(5, std::vector<double>(10, 0.5), true);
    EXPECT_EQ(shepard_fit(rank_pairs(d), random_start(5, 2, 3, 1)).stress, 0.0);
}

TEST(Nmds, GivesTheSameSolutionOnAnyNumberOfThreads) {
    const PairDissimilarities d = euclidean_of(random_start(60, 4, 11, 2));  // not flat in 2
    NmdsSettings s;
    s.starts = 8;
    s.seed = 12345;
    s.threads = 1;
    const Ordination one = nmds(d, s);
    for (unsigned threads : {2u, 5u}) {
        s.threads = threads;
        const Ordination many = nmds(d, s);
        EXPECT_EQ(many.points.x, one.points.x) << threads << " threads";
        EXPECT_EQ(many.stress, one.stress);
        EXPECT_EQ(many.best_start, one.best_start);
        EXPECT_EQ(many.repeated, one.repeated);
    }
    s.seed = 54321;
    EXPECT_NE(nmds(d, s).starts[1].stress, one.starts[1].stress) << "the seed moves the starts";
}

TEST(Nmds, BestSolutionIsCentredOnItsPrincipalAxes) {
    const Ordination o = nmds(euclidean_of(random_start(30, 2, 5, 3)), NmdsSettings{});
    double mean0 = 0, mean1 = 0, cross = 0, ss0 = 0, ss1 = 0;
    for (std::int32_t i = 0; i < o.objects(); ++i) {
        mean0 += o.points.at(i, 0), mean1 += o.points.at(i, 1);
        cross += o.points.at(i, 0) * o.points.at(i, 1);
        ss0 += o.points.at(i, 0) * o.points.at(i, 0), ss1 += o.points.at(i, 1) * o.points.at(i, 1);
    }
    EXPECT_NEAR(mean0, 0, 1e-9);
    EXPECT_NEAR(mean1, 0, 1e-9);
    EXPECT_NEAR(cross, 0, 1e-9);
    EXPECT_GE(ss0, ss1);
}

TEST(Nmds, RefusesWhatCannotBeOrdinated) {
    const PairDissimilarities three = dissimilarities_from(3, {1, 2, 3}, true);
    EXPECT_THROW(nmds(three, NmdsSettings{}), std::invalid_argument);  // 2 axes need 4
    NmdsSettings s;
    s.dimensions = 4;
    EXPECT_THROW(nmds(euclidean_of(random_start(10, 2, 1, 1)), s), std::invalid_argument);
}

TEST(PairDissimilarities, SimilaritiesAreTurnedOverByTheirCeiling) {
    const PairDissimilarities bounded = dissimilarities_from(3, {1.0, 0.25, 0.0}, false);
    EXPECT_EQ(bounded.values, (std::vector<double>{0.0, 0.75, 1.0}));
    EXPECT_EQ(bounded.ceiling, 1.0);
    EXPECT_EQ(bounded.rule, "1 - similarity");
    const PairDissimilarities correlation = dissimilarities_from(3, {0.5, -0.5, 1.0}, false);
    EXPECT_EQ(correlation.values, (std::vector<double>{0.5, 1.5, 0.0}));
    EXPECT_FALSE(correlation.ceiling) << "a correlation reaches below 0";
    const PairDissimilarities large = dissimilarities_from(3, {4, 2, 1}, false);
    EXPECT_EQ(large.values, (std::vector<double>{0, 2, 3}));
    EXPECT_EQ(dissimilarities_from(3, {4, 2, 1}, true).values, (std::vector<double>{4, 2, 1}));
}

}  // namespace
}  // namespace tw
