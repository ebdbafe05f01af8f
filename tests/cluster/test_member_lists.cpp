// The member lists of the linkages, recorded as the merge tree, list the same
// stations in the same order as lists copied out in full at every linkage.

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "cluster/member_lists.h"
#include "run/link_members.h"

namespace tw {
namespace {

using Join = std::pair<std::int32_t, std::int32_t>;  // representatives i < j
using Lists = std::vector<std::vector<std::int32_t>>;

// The lists as they were once stored: each linkage copies the list of the
// latest earlier linkage whose first member is i (or i alone), then j's.
Lists copied_lists(std::int32_t n, const std::vector<Join>& joins) {
    std::vector<std::size_t> latest(static_cast<std::size_t>(n) + 1, 0);
    Lists lists(joins.size() + 1);
    for (std::size_t link = 1; link <= joins.size(); ++link) {
        std::vector<std::int32_t>& row = lists[link];
        for (const std::int32_t x : {joins[link - 1].first, joins[link - 1].second}) {
            const std::size_t m = latest[static_cast<std::size_t>(x)];
            if (m == 0) {
                row.push_back(x);
            } else {
                row.insert(row.end(), lists[m].begin(), lists[m].end());
            }
        }
        latest[static_cast<std::size_t>(joins[link - 1].first)] = link;
    }
    return lists;
}

// A complete hierarchy over n stations, pairs of current clusters chosen at
// random; the lower index represents the merged cluster.
std::vector<Join> random_joins(std::int32_t n, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::int32_t> current;
    for (std::int32_t s = 1; s <= n; ++s) current.push_back(s);
    std::vector<Join> joins;
    while (current.size() > 1) {
        std::uniform_int_distribution<std::size_t> pick(0, current.size() - 1);
        const std::size_t a = pick(random);
        std::size_t b = pick(random);
        while (b == a) b = pick(random);
        const std::int32_t i = std::min(current[a], current[b]);
        const std::int32_t j = std::max(current[a], current[b]);
        joins.emplace_back(i, j);
        current.erase(current.begin() + static_cast<std::ptrdiff_t>(a > b ? a : b));
        current[a < b ? a : b] = i;
    }
    return joins;
}

struct Recorded {
    MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;

    void record(std::int32_t n, const std::vector<Join>& joins) {
        MemberListBuilder builder(n);
        for (std::size_t l = 1; l <= joins.size(); ++l) {
            builder.record(LinkArrays{members, sizes, levels}, static_cast<std::int32_t>(l),
                           joins[l - 1].first, joins[l - 1].second, static_cast<float>(l));
        }
    }
};

// Every linkage lists its copied list, starts with its LinkI, and reports
// that first member and its size without listing.
void expect_same_as_copied(const Recorded& r, std::int32_t n, const std::vector<Join>& joins) {
    const Lists expected = copied_lists(n, joins);
    std::vector<std::int32_t> listed;
    for (std::size_t l = 1; l <= joins.size(); ++l) {
        const auto link = static_cast<std::int32_t>(l);
        const auto count = static_cast<std::int32_t>(expected[l].size());
        ASSERT_EQ(r.members.list(link, listed), count) << "linkage " << l;
        ASSERT_TRUE(std::equal(expected[l].begin(), expected[l].end(), listed.begin() + 1))
            << "linkage " << l;
        EXPECT_EQ(r.members.first_member(link), joins[l - 1].first) << "linkage " << l;
        EXPECT_EQ(r.sizes[l], count);
        EXPECT_EQ(r.levels[l], static_cast<float>(l));
    }
}

TEST(MemberLists, ListTheStationsInTheOrderThatFullCopiesWouldHold) {
    // One record throughout, each clustering written over the one before, as
    // a bootstrap replicate writes over the previous replicate's linkages.
    Recorded r;
    for (const std::int32_t n : {300, 40, 300, 7, 3, 2}) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE("n " + std::to_string(n) + ", seed " + std::to_string(seed));
            const std::vector<Join> joins = random_joins(n, seed);
            r.record(n, joins);
            expect_same_as_copied(r, n, joins);
        }
    }
}

TEST(MemberLists, ListLongChainsWhicheverSideTheyGrowOn) {
    // Chaining from either end, every cluster is a run of consecutive
    // stations: 1..l+1 when station 1 takes in the next station, n-l..n when
    // each station takes in the cluster above it.
    constexpr std::int32_t n = 5000;
    for (const bool from_first : {true, false}) {
        std::vector<Join> joins;
        for (std::int32_t l = 1; l < n; ++l)
            joins.push_back(from_first ? Join{1, l + 1} : Join{n - l, n - l + 1});
        Recorded r;
        r.record(n, joins);
        std::vector<std::int32_t> listed;
        for (std::int32_t l = 1; l < n; ++l) {
            ASSERT_EQ(r.members.list(l, listed), l + 1);
            const std::int32_t first = from_first ? 1 : n - l;
            ASSERT_EQ(r.members.first_member(l), first);
            for (std::int32_t k = 1; k <= l + 1; ++k)
                ASSERT_EQ(listed[static_cast<std::size_t>(k)], first + k - 1) << l << ", " << k;
        }
    }
}

TEST(MemberLists, AListingBufferIsCutToTheListedLinkage) {
    MemberLists m;
    m.record(1, MemberPart::station(4), MemberPart::station(2));
    m.record(2, MemberPart::station(1), MemberPart::cluster_of(1));
    std::vector<std::int32_t> out;
    EXPECT_EQ(m.list(2, out), 3);
    EXPECT_EQ(out, (std::vector<std::int32_t>{0, 1, 4, 2}));
    EXPECT_EQ(m.list(1, out), 2);
    EXPECT_EQ(out, (std::vector<std::int32_t>{0, 4, 2}));
    // Linkages never recorded have no members.
    for (const std::int32_t unknown : {0, 3, -1}) {
        EXPECT_EQ(m.list(unknown, out), 0) << unknown;
        EXPECT_EQ(out, std::vector<std::int32_t>{0});
        EXPECT_EQ(m.first_member(unknown), 0);
    }
}

TEST(MemberLists, RefuseAPartThatCouldNotBeListed) {
    MemberLists m;
    m.recreate(5);
    m.record(1, MemberPart::station(1), MemberPart::station(2));
    const MemberPart three = MemberPart::station(3);
    EXPECT_THROW(m.record(2, MemberPart::cluster_of(2), three), std::invalid_argument);  // itself
    EXPECT_THROW(m.record(4, three, MemberPart::cluster_of(3)),
                 std::invalid_argument);  // not yet made
    EXPECT_THROW(m.record(2, MemberPart::station(0), three), std::invalid_argument);
    EXPECT_EQ(m.size(2), 0);
}

}  // namespace
}  // namespace tw
