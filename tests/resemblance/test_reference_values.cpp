// Every measure against a plain double-precision computation written out
// here from the textbook formulas, on random abundance tables. The stage
// works in single precision, so agreement is to single-precision tolerance.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "resemblance_fixture.h"

namespace tw {
namespace {

using Profile = std::vector<double>;
using Reference = std::function<double(const Profile&, const Profile&)>;

double euclidean(const Profile& x, const Profile& y) {
    double sum = 0;
    for (std::size_t i = 0; i < x.size(); ++i) sum += (x[i] - y[i]) * (x[i] - y[i]);
    return std::sqrt(sum);
}

double bray_curtis(const Profile& x, const Profile& y) {
    double shared = 0, total = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        shared += std::min(x[i], y[i]);
        total += x[i] + y[i];
    }
    return 2 * shared / total;
}

double mean(const Profile& x) {
    double sum = 0;
    for (double v : x) sum += v;
    return sum / static_cast<double>(x.size());
}

double pearson(const Profile& x, const Profile& y) {
    const double mx = mean(x), my = mean(y);
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// Fisher's alpha for N individuals and S species, S = alpha ln(1 + N / alpha),
// by bisection on the monotone left-hand side.
double fisher_alpha(double individuals, double species) {
    double lo = 1e-9, hi = 1e9;
    for (int step = 0; step < 200; ++step) {
        const double mid = std::sqrt(lo * hi);
        if (mid * std::log(1 + individuals / mid) < species)
            lo = mid;
        else
            hi = mid;
    }
    return std::sqrt(lo * hi);
}

double heterogeneity_ratio(const Profile& x, const Profile& y) {
    double nx = 0, ny = 0, sx = 0, sy = 0, pooled = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        nx += x[i], ny += y[i];
        sx += x[i] > 0, sy += y[i] > 0, pooled += x[i] + y[i] > 0;
    }
    const double alpha = fisher_alpha(std::sqrt(nx * ny), (sx + sy) / 2);
    return pooled / (alpha * std::log(1 + (nx + ny) / alpha));
}

struct Table {
    double a = 0, b = 0, c = 0, d = 0;
};
Table presences(const Profile& x, const Profile& y) {
    Table t;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const bool px = x[i] > 0, py = y[i] > 0;
        (px && py ? t.a : py ? t.b : px ? t.c : t.d) += 1;
    }
    return t;
}
double jaccard(const Profile& x, const Profile& y) {
    const Table t = presences(x, y);
    return t.a / (t.a + t.b + t.c);
}
double simple_matching(const Profile& x, const Profile& y) {
    const Table t = presences(x, y);
    return (t.a + t.d) / (t.a + t.b + t.c + t.d);
}
double dice(const Profile& x, const Profile& y) {
    const Table t = presences(x, y);
    return 2 * t.a / (2 * t.a + t.b + t.c);
}
double fager(const Profile& x, const Profile& y) {
    const Table t = presences(x, y);
    return t.a / std::sqrt((t.a + t.b) * (t.c + t.d)) - 1 / (2 * std::sqrt(t.a + t.b));
}

// Counts with about a third of the cells empty, never an empty object and
// never a species present everywhere, so no guard is involved.
std::vector<Profile> random_profiles(unsigned seed, int n, int species) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> abundance(0.5, 250.0);
    std::bernoulli_distribution empty(0.35);
    std::vector<Profile> rows(static_cast<std::size_t>(n),
                              Profile(static_cast<std::size_t>(species)));
    for (Profile& row : rows) {
        for (double& v : row)
            v = empty(gen) ? 0.0 : static_cast<double>(static_cast<float>(abundance(gen)));
        row[0] = 1.0;  // every object holds something
    }
    for (int i = 1; i < species; ++i)
        rows[0][static_cast<std::size_t>(i)] = 0.0;  // and no species is everywhere
    return rows;
}

struct MeasureCase {
    std::int16_t measure;
    Reference reference;
    double tolerance;  // absolute, on values of order 1
};

TEST(ReferenceValues, EveryMeasureAgreesWithADoublePrecisionComputation) {
    const MeasureCase cases[] = {
        {1, euclidean, 0},  {2, bray_curtis, 2e-6},
        {3, pearson, 2e-6}, {4, heterogeneity_ratio, 2e-5},
        {5, jaccard, 1e-6}, {6, simple_matching, 1e-6},
        {7, dice, 1e-6},    {8, fager, 1e-6},
    };
    for (unsigned seed : {20240611u, 7u, 1234567u}) {
        const int n = 14, species = 40;
        const std::vector<Profile> rows = random_profiles(seed, n, species);
        test::Rows singles;
        for (const Profile& row : rows) singles.emplace_back(row.begin(), row.end());
        for (const MeasureCase& c : cases) {
            test::ResemblanceRun r;
            ASSERT_EQ(r.run(c.measure, singles, RunMode::Replicate), RoutineExit::Normal);
            for (int j = 1; j < n; ++j) {
                for (int k = j + 1; k <= n; ++k) {
                    const Profile& x = rows[static_cast<std::size_t>(j - 1)];
                    const Profile& y = rows[static_cast<std::size_t>(k - 1)];
                    const double want = c.reference(x, y);
                    // Euclidean distances run into the hundreds: relative tolerance.
                    const double tol = c.tolerance > 0 ? c.tolerance : 2e-6 * want;
                    ASSERT_NEAR(r.at(j, k), want, tol) << "seed " << seed << ", measure "
                                                       << c.measure << ", pair " << j << "," << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tw
