#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "cluster/dendrogram.h"
#include "cluster/leaf_order.h"
#include "dendrogram_fixture.h"

namespace tw::test {
namespace {

std::vector<std::int32_t> order_of(const std::vector<Join>& joins, std::int32_t n) {
    const Workspace w = workspace_with(joins, kSimilarity);
    std::vector<std::int32_t> order = leaf_order(w.LinkI, w.LinkJ, n);
    order.erase(order.begin());  // position 0 is unused
    return order;
}

struct OrderCase {
    const char* name;
    std::int32_t n;
    std::vector<Join> joins;
    std::vector<std::int32_t> order;
};

TEST(LeafOrder, MembersOfEveryClusterStandSideBySide) {
    const std::vector<OrderCase> cases = {
        {"one station", 1, {}, {1}},
        {"two stations", 2, {{1, 2, 0}}, {1, 2}},
        {"later station joins the first pair", 3, {{1, 3, 0}, {1, 2, 0}}, {1, 3, 2}},
        {"lone LinkI goes right of LinkJ's cluster", 3, {{2, 3, 0}, {1, 2, 0}}, {2, 3, 1}},
        {"LinkI's cluster leads a lone LinkJ", 3, {{1, 2, 0}, {1, 3, 0}}, {1, 2, 3}},
        {"two pairs: LinkI's pair first", 4, {{3, 4, 0}, {1, 2, 0}, {1, 3, 0}}, {1, 2, 3, 4}},
        {"pairs formed in reverse", 4, {{1, 4, 0}, {2, 3, 0}, {1, 2, 0}}, {1, 4, 2, 3}},
        {"chain onto the last station", 4, {{3, 4, 0}, {2, 3, 0}, {1, 2, 0}}, {3, 4, 2, 1}},
    };
    for (const OrderCase& c : cases) EXPECT_EQ(order_of(c.joins, c.n), c.order) << c.name;
}

// The order built literally from a table of groups, scanned anew at every
// linkage, as the reference for the linked-chain implementation.
std::vector<std::int32_t> group_table_order(const std::vector<Join>& joins) {
    std::vector<std::vector<std::int32_t>> groups;
    auto group_of = [&](std::int32_t s) -> std::vector<std::int32_t>* {
        for (auto& g : groups)
            if (std::find(g.begin(), g.end(), s) != g.end()) return &g;
        return nullptr;
    };
    for (const Join& join : joins) {
        std::vector<std::int32_t>* gi = group_of(join.i);
        std::vector<std::int32_t>* gj = group_of(join.j);
        std::vector<std::int32_t> merged;
        if (!gi && !gj) merged = {join.i, join.j};
        if (!gi && gj) merged = *gj, merged.push_back(join.i);
        if (gi && !gj) merged = *gi, merged.push_back(join.j);
        if (gi && gj) merged = *gi, merged.insert(merged.end(), gj->begin(), gj->end());
        if (gi) gi->clear();
        if (gj) gj->clear();
        groups.push_back(merged);
    }
    if (groups.empty()) return {1};
    return groups.back();
}

TEST(LeafOrder, AgreesWithTheGroupTableOnRandomHierarchies) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    for (int round = 0; round < 200; ++round) {
        const std::int32_t n = std::uniform_int_distribution<std::int32_t>(2, 40)(rng);
        // Engine-like joins: two current representatives, the lower one kept.
        std::vector<std::int16_t> alive(static_cast<std::size_t>(n));
        for (std::int32_t s = 0; s < n; ++s)
            alive[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(s + 1);
        std::vector<Join> joins;
        while (alive.size() > 1) {
            std::shuffle(alive.begin(), alive.end(), rng);
            const auto i = std::min(alive[0], alive[1]);
            const auto j = std::max(alive[0], alive[1]);
            joins.push_back({i, j, 0});
            alive.erase(std::find(alive.begin(), alive.end(), j));
        }
        ASSERT_EQ(order_of(joins, n), group_table_order(joins)) << "n " << n;
    }
}

TEST(LeafOrder, RecordsTheEngineCannotProduceStillGiveEveryStationOnce) {
    // Out of range, a repeated pair, and station 5 never joined.
    const std::vector<Join> joins = {{1, 2, 0}, {0, 9, 0}, {2, 1, 0}, {3, 4, 0}};
    std::vector<std::int32_t> order = order_of(joins, 5);
    EXPECT_EQ(order, (std::vector<std::int32_t>{3, 4, 1, 2, 5}));
}

TEST(DendrogramOrder, FillsTheWorkspaceOrderInSinglePrecision) {
    Workspace w = workspace_with({{2, 3, 0.5f}, {1, 2, 0.2f}}, kSimilarity);
    dendrogram_order(w, 3);
    EXPECT_EQ(w.LeafOrder, (std::vector<float>{0, 2, 3, 1}));
}

}  // namespace
}  // namespace tw::test
