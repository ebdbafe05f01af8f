// The engine's levels against a plain double-precision reference that
// recomputes every cluster resemblance from the members' coordinates (or, for
// WPGMA, from the merge history), on random points in three dimensions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "clustering_fixture.h"

namespace tw::test {
namespace {

using Point = std::vector<double>;

double squared_gap(const Point& a, const Point& b) {
    double sum = 0;
    for (std::size_t d = 0; d < a.size(); ++d) sum += (a[d] - b[d]) * (a[d] - b[d]);
    return sum;
}

struct Cluster {
    std::vector<std::size_t> members;
    Point median;  // midpoint of the two merged medians (Gower's median method)
};

Point centroid(const Cluster& c, const std::vector<Point>& points) {
    Point mean(points.front().size(), 0.0);
    for (std::size_t m : c.members)
        for (std::size_t d = 0; d < mean.size(); ++d)
            mean[d] += points[m][d] / static_cast<double>(c.members.size());
    return mean;
}

// Textbook heights: nearest, farthest and mean member distance; squared
// distance of medians and of centroids; Ward's 2 * nA*nB/(nA+nB) * |cA - cB|^2,
// twice the increase of the within-cluster sum of squares.
double height(LinkageMethod method, const Cluster& a, const Cluster& b,
              const std::vector<Point>& points) {
    double low = std::numeric_limits<double>::max(), high = 0, sum = 0;
    for (std::size_t i : a.members) {
        for (std::size_t j : b.members) {
            const double d = std::sqrt(squared_gap(points[i], points[j]));
            low = std::min(low, d), high = std::max(high, d), sum += d;
        }
    }
    const auto na = static_cast<double>(a.members.size()),
               nb = static_cast<double>(b.members.size());
    switch (method) {
        case LinkageMethod::Single:
            return low;
        case LinkageMethod::Complete:
            return high;
        case LinkageMethod::UPGMA:
            return sum / (na * nb);
        case LinkageMethod::WPGMCentroid:
            return squared_gap(a.median, b.median);
        case LinkageMethod::UPGMCentroid:
            return squared_gap(centroid(a, points), centroid(b, points));
        default:
            return 2 * na * nb / (na + nb) * squared_gap(centroid(a, points), centroid(b, points));
    }
}

std::vector<double> reference_levels(LinkageMethod method, const std::vector<Point>& points) {
    std::vector<Cluster> clusters;
    std::vector<std::vector<double>> weighted;  // WPGMA: halved at every merge
    for (std::size_t i = 0; i < points.size(); ++i) {
        clusters.push_back({{i}, points[i]});
        weighted.emplace_back();
        for (const Point& q : points)
            weighted.back().push_back(std::sqrt(squared_gap(points[i], q)));
    }
    std::vector<double> levels;
    while (clusters.size() > 1) {
        std::size_t a = 0, b = 1;
        double best = std::numeric_limits<double>::max();
        for (std::size_t i = 0; i < clusters.size(); ++i) {
            for (std::size_t j = i + 1; j < clusters.size(); ++j) {
                const double v = method == LinkageMethod::WPGMA
                                     ? weighted[i][j]
                                     : height(method, clusters[i], clusters[j], points);
                if (v < best) best = v, a = i, b = j;
            }
        }
        levels.push_back(best);
        for (std::size_t k = 0; k < clusters.size(); ++k)
            weighted[a][k] = weighted[k][a] = (weighted[a][k] + weighted[b][k]) / 2;
        for (std::size_t d = 0; d < points.front().size(); ++d)
            clusters[a].median[d] = (clusters[a].median[d] + clusters[b].median[d]) / 2;
        clusters[a].members.insert(clusters[a].members.end(), clusters[b].members.begin(),
                                   clusters[b].members.end());
        clusters.erase(clusters.begin() + static_cast<std::ptrdiff_t>(b));
        weighted.erase(weighted.begin() + static_cast<std::ptrdiff_t>(b));
        for (auto& row : weighted) row.erase(row.begin() + static_cast<std::ptrdiff_t>(b));
    }
    std::sort(levels.begin(), levels.end());
    return levels;
}

struct ReferenceCase {
    LinkageMethod method;
    bool squared;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
    *os << method_report_text(c.method) << (c.squared ? " on squared distances" : "");
}

class AgainstReference : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(AgainstReference, SortedLevelsMatchOnRandomEuclideanData) {
    const ReferenceCase c = GetParam();
    for (const unsigned seed : {11u, 2024u, 777u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> coordinate(0.0, 10.0);
        std::vector<Point> points(15, Point(3));
        for (Point& p : points)
            for (double& v : p) v = coordinate(random);

        UpperTriangle upper;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            upper.emplace_back();
            for (std::size_t j = i + 1; j < points.size(); ++j)
                upper.back().push_back(
                    static_cast<float>(std::sqrt(squared_gap(points[i], points[j]))));
        }
        EngineRun e;
        e.run(upper, c.method, kDistance, c.squared);
        std::vector<double> levels(e.w.JoinLevel.begin() + 1, e.w.JoinLevel.begin() + e.n);
        std::sort(levels.begin(), levels.end());

        const std::vector<double> expected = reference_levels(c.method, points);
        ASSERT_EQ(levels.size(), expected.size());
        for (std::size_t l = 0; l < levels.size(); ++l)
            EXPECT_NEAR(levels[l], expected[l], 2e-5 * (1 + expected[l])) << "level " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Methods, AgainstReference,
    ::testing::Values(ReferenceCase{LinkageMethod::Single, false},
                      ReferenceCase{LinkageMethod::Complete, false},
                      ReferenceCase{LinkageMethod::UPGMA, false},
                      ReferenceCase{LinkageMethod::WPGMA, false},
                      // The centroid methods and Ward's need squared distances.
                      ReferenceCase{LinkageMethod::WPGMCentroid, true},
                      ReferenceCase{LinkageMethod::UPGMCentroid, true},
                      ReferenceCase{LinkageMethod::MinimumVariance, true}));

}  // namespace
}  // namespace tw::test
