// The row-best search must join exactly the pairs the full scan joins: same
// representatives, same single-precision levels bit for bit, same member
// lists, same message area, the same working matrix at every report hook and
// the same restored matrix, whatever the ties, NaN or infinite entries (also
// those that only appear while updating). Every case logs its seed.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "cluster/agglomerate.h"
#include "cluster/closest_pair.h"
#include "cluster/pair_search.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Draw = std::function<float(std::mt19937&)>;

float pick(std::mt19937& rng, const std::vector<float>& values) {
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(rng)];
}

// Few distinct values, so most comparisons are ties.
float few_levels(std::mt19937& rng) {
    return pick(rng, {0.0f, 1.0f, 2.0f, 3.0f});
}
// Negative quarters: squared, -x and x tie; centroid rules make new ties.
float quarters(std::mt19937& rng) {
    return static_cast<float>(std::uniform_int_distribution<int>(-4, 4)(rng)) * 0.25f;
}
float levels_with_nan(std::mt19937& rng) {
    return std::uniform_int_distribution<int>(0, 9)(rng) == 0 ? kNaN : few_levels(rng);
}
// NaN, infinities and the start values of the search and beyond, signed zeros.
float extremes(std::mt19937& rng) {
    return pick(rng, {kNaN, kInf, -kInf, 1e30f, -1e30f, 2e30f, -2e30f, 0.0f, -0.0f, 1.0f, 1.0f});
}

Matrix<float> random_upper(std::int32_t n, const Draw& draw, std::mt19937& rng) {
    Matrix<float> m(n, n);
    for (std::int32_t i = 1; i < n; ++i)
        for (std::int32_t j = i + 1; j <= n; ++j) m(i, j) = draw(rng);
    return m;
}

std::vector<std::uint32_t> bits(const std::vector<float>& v) {
    std::vector<std::uint32_t> out;
    for (float x : v) out.push_back(std::bit_cast<std::uint32_t>(x));
    return out;
}

std::vector<std::uint32_t> matrix_bits(const Matrix<float>& m) {
    std::vector<std::uint32_t> out;
    for (std::int32_t i = 0; i <= m.last_row(); ++i)
        for (std::int32_t j = 0; j <= m.last_col(); ++j)
            out.push_back(std::bit_cast<std::uint32_t>(m(i, j)));
    return out;
}

// What the report's hooks see: the absorbed marks when a pair is chosen and
// the whole working matrix before and after every update.
class Watcher : public LinkageObserver {
  public:
    void joined(const Workspace& w, std::int32_t) override {
        absorbed.push_back(w.Absorbed);
        matrices.push_back(matrix_bits(w.SimMatrix));
    }
    void updated(const Workspace& w, std::int32_t) override {
        matrices.push_back(matrix_bits(w.SimMatrix));
    }
    std::vector<std::vector<std::int16_t>> absorbed;
    std::vector<std::vector<std::uint32_t>> matrices;
};

// Snapshots cost n^2 per linkage: taken on the small matrices only.
constexpr std::int32_t kWatchedUpTo = 16;

struct Clustering {
    Watcher watcher;
    Workspace w;
    MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    test::ScriptedHost host;
};

void cluster(Clustering& c, const Matrix<float>& start, ClusterOptions options) {
    c.w.SimMatrix = start;
    const std::int32_t n = start.last_row();
    agglomerate(c.w, n, options, LinkArrays{c.members, c.sizes, c.levels}, c.host,
                n <= kWatchedUpTo ? &c.watcher : nullptr);
}

void expect_same(const Clustering& fast, const Clustering& scan, std::int32_t n) {
    EXPECT_EQ(fast.w.LinkI, scan.w.LinkI);
    EXPECT_EQ(fast.w.LinkJ, scan.w.LinkJ);
    EXPECT_EQ(bits(fast.w.JoinLevel), bits(scan.w.JoinLevel));
    EXPECT_EQ(bits(fast.levels), bits(scan.levels));
    EXPECT_EQ(fast.sizes, scan.sizes);
    std::vector<std::int32_t> a, b;
    for (std::int32_t l = 1; l < n; ++l) {
        fast.members.list(l, a);
        scan.members.list(l, b);
        EXPECT_TRUE(a == b) << "members of linkage " << l;
    }
    EXPECT_EQ(matrix_bits(fast.w.SimMatrix), matrix_bits(scan.w.SimMatrix));
    EXPECT_EQ(fast.host.message_area.history, scan.host.message_area.history);
    EXPECT_EQ(fast.watcher.absorbed, scan.watcher.absorbed);
    EXPECT_TRUE(fast.watcher.matrices == scan.watcher.matrices)
        << "working matrix seen by the report";
}

// Afterwards both triangles hold the starting values, squared when asked.
void expect_restored(const Matrix<float>& after, const Matrix<float>& start, bool squared) {
    const std::int32_t n = start.last_row();
    for (std::int32_t i = 1; i < n; ++i) {
        for (std::int32_t j = i + 1; j <= n; ++j) {
            const float v = squared ? start(i, j) * start(i, j) : start(i, j);
            const auto want = std::bit_cast<std::uint32_t>(v);
            if (std::bit_cast<std::uint32_t>(after(i, j)) != want ||
                std::bit_cast<std::uint32_t>(after(j, i)) != want) {
                ADD_FAILURE() << "entry " << i << "," << j << " not restored";
                return;
            }
        }
    }
}

// Every method, both directions, squared or not, on matrices of n objects.
void expect_fast_equals_scan(const Draw& draw, std::int32_t from, std::int32_t to,
                             std::uint32_t seed, std::int32_t step = 1) {
    std::mt19937 rng(seed);
    for (std::int32_t n = from; n <= to; n += step) {
        const Matrix<float> start = random_upper(n, draw, rng);
        for (int method = 1; method <= 7; ++method) {
            for (const Resemblance kind : {Resemblance::Similarity, Resemblance::Distance}) {
                for (const bool squared : {false, true}) {
                    SCOPED_TRACE("seed " + std::to_string(seed) + " n " + std::to_string(n) +
                                 " method " + std::to_string(method) + " distance " +
                                 std::to_string(kind == Resemblance::Distance) + " squared " +
                                 std::to_string(squared));
                    ClusterOptions options;
                    options.method = static_cast<LinkageMethod>(method);
                    options.distance_flag = kind;
                    options.squared_flag = squared;
                    Clustering fast, scan;
                    cluster(fast, start, options);
                    options.search = PairSearch::FullScan;
                    cluster(scan, start, options);
                    expect_same(fast, scan, n);
                    expect_restored(fast.w.SimMatrix, start, squared);
                    if (testing::Test::HasFailure()) return;
                }
            }
        }
    }
}

TEST(FastPairSearch, JoinsTheSamePairsAsTheFullScanWhenMostValuesTie) {
    expect_fast_equals_scan(few_levels, 2, 60, 11);
    expect_fast_equals_scan(quarters, 2, 60, 12, 3);
}

TEST(FastPairSearch, JoinsTheSamePairsAsTheFullScanWithNanEntries) {
    expect_fast_equals_scan(levels_with_nan, 2, 60, 21);
}

TEST(FastPairSearch, JoinsTheSamePairsAsTheFullScanAtInfinitiesStartValuesAndSignedZeros) {
    expect_fast_equals_scan(extremes, 2, 40, 31);
}

TEST(FastPairSearch, FallsBackToTheFirstCurrentPairWhenNoEntryPassesTheTest) {
    for (float only : {kNaN, 1e30f, -1e30f}) {
        expect_fast_equals_scan([only](std::mt19937&) { return only; }, 2, 12, 41);
    }
}

TEST(FastPairSearch, JoinsTheSamePairsAsTheFullScanOnLargerMatrices) {
    expect_fast_equals_scan(few_levels, 120, 120, 51);
    expect_fast_equals_scan(
        [](std::mt19937& rng) { return std::uniform_real_distribution<float>(0, 1)(rng); }, 121,
        121, 52);
}

// The search alone, for absorbed sets the engine would never leave behind
// (gaps anywhere, a single current row at the end).
TEST(RowBestSearch, FindsThePairOfTheFullScanForAnyAbsorbedSet) {
    std::mt19937 rng(61);
    for (int round = 0; round < 400; ++round) {
        const std::int32_t n = std::uniform_int_distribution<std::int32_t>(2, 30)(rng);
        const Matrix<float> m = random_upper(n, round % 2 ? levels_with_nan : extremes, rng);
        std::vector<std::int16_t> absorbed(static_cast<std::size_t>(n) + 1, 0);
        for (std::int32_t x = 1; x <= n; ++x)
            absorbed[static_cast<std::size_t>(x)] =
                std::uniform_int_distribution<int>(0, 2)(rng) == 0;
        absorbed[1] = absorbed[static_cast<std::size_t>(n)] = 0;  // at least two current
        for (const Resemblance kind : {Resemblance::Similarity, Resemblance::Distance}) {
            SCOPED_TRACE("round " + std::to_string(round) + " distance " +
                         std::to_string(kind == Resemblance::Distance));
            test::ScriptedHost host;
            RowBestSearch search(m, absorbed, n, kind);
            search.prepare(host);
            const ClosestPair fast = search.closest(host);
            const ClosestPair scan = find_closest_pair(m, absorbed, n, kind, host);
            EXPECT_EQ(fast.i, scan.i);
            EXPECT_EQ(fast.j, scan.j);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(fast.level),
                      std::bit_cast<std::uint32_t>(scan.level));
        }
    }
}

}  // namespace
}  // namespace tw
