#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <stdexcept>
#include <vector>

#include "ordination/nmds.h"
#include "ordination/smacof_iteration.h"
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

// The plain definition: every block of ties sorted by distance, then the
// adjacent violators pooled from the left; the disparity of each pair.
std::map<PairCode, double> reference_fit(const RankedPairs& pairs, const Configuration& c) {
    const auto dist = [&](std::size_t t) {
        return c.distance(static_cast<std::int32_t>(first_object(pairs.pair[t])),
                          static_cast<std::int32_t>(second_object(pairs.pair[t])));
    };
    std::vector<std::size_t> order(pairs.size());
    for (std::size_t t = 0; t < order.size(); ++t) order[t] = t;
    for (const TieBlock& b : pairs.ties)
        std::sort(order.begin() + b.first, order.begin() + b.last,
                  [&](std::size_t a, std::size_t e) { return dist(a) < dist(e); });
    std::vector<std::pair<double, double>> pools;  // sum, size
    for (std::size_t t : order) {
        std::pair<double, double> p{dist(t), 1};
        while (!pools.empty() && pools.back().first / pools.back().second >= p.first / p.second) {
            p.first += pools.back().first, p.second += pools.back().second;
            pools.pop_back();
        }
        pools.push_back(p);
    }
    std::map<PairCode, double> fitted;
    std::size_t t = 0;
    for (const auto& [sum, size] : pools)
        for (int k = 0; k < static_cast<int>(size); ++k)
            fitted[pairs.pair[order[t++]]] = sum / size;
    return fitted;
}

// Few values give small blocks of ties; two values give blocks too jumbled
// for sorting by insertion; points on a grid tie their distances too. Each
// start keeps its order of the tied pairs, and which blocks it took whole
// into the regression unsorted, from one fit to the next: blocks taken
// whole that a pool must part, and sorted blocks that fall within one pool.
TEST(Nmds, MonotoneFitOfManyTiesMatchesThePlainDefinition) {
    std::mt19937 rng(17);
    struct Case {
        std::int32_t objects, values;
        bool grid;
    };
    for (const Case& k :
         {Case{12, 8, false}, Case{40, 2, false}, Case{12, 3, true}, Case{90, 40, false}}) {
        for (int round = 0; round < 10; ++round) {
            std::vector<double> values;
            for (std::int32_t p = 0; p < k.objects * (k.objects - 1) / 2; ++p)
                values.push_back(static_cast<double>(rng() % k.values) / 10);
            const RankedPairs pairs = rank_pairs(dissimilarities_from(k.objects, values, true));
            StartWork work(pairs);
            Configuration c = random_start(k.objects, 2, rng(), 0);
            for (int again = 0; again < 3; ++again) {
                for (double& v : c.x) v = k.grid ? std::round(v * 2) : v + 0.01 * (rng() % 7);
                fit_disparities(pairs, c, work);
                Configuration next;
                const double stress = guttman_step(work, c, 0.0, next);
                const std::map<PairCode, double> expected = reference_fit(pairs, c);
                const std::vector<double> fitted = disparities(work);
                double misfit = 0, total = 0;
                for (std::size_t t = 0; t < pairs.size(); ++t) {
                    const PairCode pair = pair_of(work.ranked[t]);
                    const double d = c.distance(static_cast<std::int32_t>(first_object(pair)),
                                                static_cast<std::int32_t>(second_object(pair)));
                    ASSERT_NEAR(distance_of(work.ranked[t]), d, 1e-5)
                        << "round " << round << " rank " << t;
                    ASSERT_NEAR(fitted[t], expected.at(pair), 1e-5)
                        << "round " << round << " rank " << t;
                    misfit += (d - fitted[t]) * (d - fitted[t]), total += d * d;
                }
                EXPECT_NEAR(stress, std::sqrt(misfit / total), 1e-6);
            }
        }
    }
}

TEST(Nmds, GivesTheSameSolutionOnAnyNumberOfThreads) {
    const PairDissimilarities d = euclidean_of(random_start(60, 4, 11, 2));  // not flat in 2
    NmdsSettings s;
    s.starts = 8;
    s.seed = 12345;
    s.threads = 1;
    const Ordination one = nmds(d, s);
    for (unsigned threads : {2u, 3u, 5u}) {
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
