// Clusters cut by the verdicts, their letters and the per-station list.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "bootstrap/cluster_identifiers.h"
#include "bootstrap/test_loop.h"
#include "bootstrap_fixture.h"
#include "run/outcome.h"

namespace tw::test {
namespace {

struct Verdict {
    std::int32_t left, right;
    std::string sig;  // final symbol, as the results pass leaves it
};

struct ClusterRun : BootstrapRun {
    ClusterRun(const std::vector<std::int32_t>& sizes, const std::vector<Verdict>& links)
        : BootstrapRun(sizes) {
        prepare_link_records(ctx);
        for (std::int32_t l = 1; l <= static_cast<std::int32_t>(links.size()); ++l) {
            const Verdict& v = links[static_cast<std::size_t>(l - 1)];
            ctx.LinkPair(l, 1) = v.left;
            ctx.LinkPair(l, 2) = v.right;
            ctx.SIG[static_cast<std::size_t>(l)] = v.sig;
        }
    }
};

const std::string kHeading =
    "\r\n\r\nOriginal data matrix sample labels with assigned Cluster Identifiers (letters)\r\n";

TEST(ClusterIdentifiers, JoiningLinkagesMakeOneCluster) {
    ClusterRun r({2, 2, 1}, {{1, 2, "NS"}, {1, 3, "N/A"}});
    assign_cluster_identifiers(r.ctx, r.host);
    EXPECT_EQ(r.ids(), "A A A ");
    EXPECT_EQ(r.report(), kHeading +
                              "\"ST1\"         A\r\n\"ST2\"         A\r\n"
                              "\"ST3\"         A\r\n\"ST4\"         A\r\n\"ST5\"         A\r\n");
    EXPECT_EQ(r.host.link_area.shown, "Cluster 1\r\nST1\r\nST3\r\nST5\r\n");  // full: no blank line
}

TEST(ClusterIdentifiers, SeparatingLinkagesGiveEachGroupItsLetterInFileOrder) {
    // Groups of sizes 2 2 1 drawn in the dendrogram order 3, 1, 2.
    ClusterRun r({2, 2, 1}, {{1, 2, "S"}, {1, 3, "*"}});
    r.ctx.DendroOrder = {0, 3, 1, 2};
    r.ctx.Label(1, 1) = "ST5";
    r.ctx.Label(2, 1) = "ST1";
    r.ctx.Label(3, 1) = "ST3";
    assign_cluster_identifiers(r.ctx, r.host);
    EXPECT_EQ(r.ids(), "C A B ");
    EXPECT_EQ(r.report(), kHeading +
                              "\"ST1\"         A\r\n\"ST2\"         A\r\n"
                              "\"ST3\"         B\r\n\"ST4\"         B\r\n\"ST5\"         C\r\n");
    EXPECT_EQ(r.host.link_area.shown, "Cluster 3\r\nST5\r\n\r\n");
}

TEST(ClusterIdentifiers, JoinOfTwoClustersMergesIntoTheLeftAndMovesLaterRowsUp) {
    // (3 4) then (1 2), 5 and 6 kept apart, then the two pairs join; the top
    // linkage keeps 5 apart from them.
    ClusterRun r({1, 1, 1, 1, 1, 1},
                 {{3, 4, "NS"}, {1, 2, "NS"}, {5, 6, "S"}, {1, 3, "NS"}, {1, 5, "*"}});
    const ClusterTable table = form_clusters(r.ctx, r.host);
    ASSERT_EQ(table.count(), 3);
    EXPECT_EQ(table.row(1), (std::vector<std::string>{"ST1", "ST2", "ST3", "ST4"}));
    EXPECT_EQ(r.ids(), "A A A A B C ");
    EXPECT_NE(r.host.link_area.history.find("Sig is 'S' or '*' for this link--keep them separate"),
              std::string::npos);
}

TEST(ClusterIdentifiers, ManyClustersTakeLongerIdentifiers) {
    // A chain in which every linkage keeps the new group apart: one cluster
    // per group, in group order.
    for (const std::int32_t groups : {27, 53}) {
        std::vector<Verdict> links;
        for (std::int32_t j = 1; j < groups; ++j) links.push_back({1, j + 1, j == 1 ? "S" : "*"});
        ClusterRun r(std::vector<std::int32_t>(static_cast<std::size_t>(groups), 1), links);
        form_clusters(r.ctx, r.host);
        const bool many = groups > 52;
        EXPECT_EQ(r.identifier(1), many ? "BA" : "A");
        EXPECT_EQ(r.identifier(26), many ? "BZ" : "Z");
        EXPECT_EQ(r.identifier(27), many ? "B[" : "AA");
        EXPECT_EQ(many,
                  r.host.link_area.history.find(
                      "> 52 clusters. Some IDs will be non-letter symbols") != std::string::npos);
    }
    EXPECT_EQ(cluster_identifier(52, 52), "AZ");
    EXPECT_EQ(cluster_identifier(192, 200), "B192");  // past the last character code
    // Past "B~" the characters of the Windows code page, as UTF-8.
    EXPECT_EQ(cluster_identifier(62, 100), "B~");
    EXPECT_EQ(cluster_identifier(64, 100), "B\xE2\x82\xAC");  // code 128, the euro sign
    EXPECT_EQ(cluster_identifier(169, 191), "B\xC3\xA9");     // code 233, e acute
    EXPECT_EQ(cluster_identifier(191, 191), "B\xC3\xBF");
}

// The clusters as a plain scan of every row finds them, the way the table
// was read before it had to serve 10,000 groups.
struct PlainClusters {
    using Step = ClusterTable::Step;
    std::vector<std::vector<std::string>> rows;

    std::int32_t find(const std::string& label) const {
        for (std::size_t k = 0; k < rows.size(); ++k)
            if (std::count(rows[k].begin(), rows[k].end(), label)) return std::int32_t(k + 1);
        return 0;
    }
    Step apply(const std::string& left, const std::string& right, bool joins) {
        const std::int32_t pl = find(left), pr = find(right);
        if (pl == 0 && pr == 0) {
            if (joins) rows.push_back({left, right});
            if (!joins) rows.insert(rows.end(), {{left}, {right}});
        } else if (pl == 0 || pr == 0) {
            const std::string& fresh = pl == 0 ? left : right;
            if (joins) rows[std::size_t((pl == 0 ? pr : pl) - 1)].push_back(fresh);
            if (!joins) rows.push_back({fresh});
        } else if (pl == pr) {
            return Step::AlreadyTogether;
        } else if (!joins) {
            return Step::KeptSeparate;
        } else {
            auto& into = rows[std::size_t(pl - 1)];
            into.insert(into.end(), rows[std::size_t(pr - 1)].begin(),
                        rows[std::size_t(pr - 1)].end());
            rows.erase(rows.begin() + pr - 1);
        }
        return Step::Applied;
    }
};

TEST(ClusterIdentifiers, ClustersJoinAndNumberAsAPlainScanOfEveryRowFindsThem) {
    // A handful of labels, so that joins, repeats and labels kept in two
    // clusters at once all come up.
    std::mt19937 rng(20261207);
    for (int trial = 0; trial < 200; ++trial) {
        ClusterTable table;
        PlainClusters plain;
        for (int step = 0; step < 40; ++step) {
            const std::string left(1, char('a' + rng() % 12)), right(1, char('a' + rng() % 12));
            const bool joins = rng() % 3 != 0;
            ASSERT_EQ(table.apply(left, right, joins), plain.apply(left, right, joins));
            ASSERT_EQ(table.count(), std::int32_t(plain.rows.size()));
            for (std::int32_t k = 1; k <= table.count(); ++k)
                ASSERT_EQ(table.row(k), plain.rows[std::size_t(k - 1)]) << trial << " " << step;
            for (char c = 'a'; c < 'a' + 12; ++c)
                ASSERT_EQ(table.find(std::string(1, c)), plain.find(std::string(1, c)));
        }
    }
}

// Whether an earlier "S" linkage's representative is among the members.
bool holds_significant_by_members(const RunContext& ctx, std::int32_t link) {
    std::vector<std::int32_t> members;
    ctx.LinkMembers.list(link, members);
    for (std::int32_t j = 1; j < link; ++j)
        if (ctx.SIG[std::size_t(j)] == "S" &&
            std::count(members.begin() + 1, members.end(), ctx.LinkMembers.first_member(j)))
            return true;
    return false;
}

// A random hierarchy of single stations drawn in a random order, its
// linkages tested up to a stop and marked as the results pass marks them.
struct RandomStoppedRun : BootstrapRun {
    RandomStoppedRun(std::int32_t groups, std::mt19937& rng)
        : BootstrapRun(std::vector<std::int32_t>(std::size_t(groups), 1)) {
        std::vector<std::int32_t> active(static_cast<std::size_t>(groups));
        std::iota(active.begin(), active.end(), 1);
        for (std::int32_t L = 1; L < groups; ++L) {
            std::shuffle(active.begin(), active.end(), rng);
            const std::int32_t i = std::min(active[0], active[1]),
                               j = std::max(active[0], active[1]);
            ctx.work.LinkI[std::size_t(L)] = std::int16_t(i);
            ctx.work.LinkJ[std::size_t(L)] = std::int16_t(j);
            linkages.record(LinkArrays{ctx.LinkMembers, ctx.LinkSize, ctx.LinkLevel}, L, i, j, 0);
            active.erase(std::find(active.begin(), active.end(), j));
        }
        prepare_link_records(ctx);
        const std::int32_t stop = std::uniform_int_distribution<std::int32_t>(1, groups)(rng);
        for (std::int32_t L = 1; L < groups; ++L) {
            const int pick = std::uniform_int_distribution<int>(0, 2)(rng);
            ctx.SIG[std::size_t(L)] = L >= stop                              ? "STOPPED"
                                      : holds_significant_by_members(ctx, L) ? "*"
                                      : pick == 0                            ? "S"
                                      : pick == 1                            ? "NS"
                                                                             : "N/A";
        }
        std::vector<std::int16_t> order(ctx.DendroOrder.begin() + 1, ctx.DendroOrder.end());
        std::shuffle(order.begin(), order.end(), rng);
        for (std::int32_t p = 1; p <= groups; ++p) {
            ctx.DendroOrder[std::size_t(p)] = order[std::size_t(p - 1)];
            ctx.Label(p, 1) = ctx.GroupLabel[std::size_t(order[std::size_t(p - 1)])];
        }
    }
};

TEST(ClusterIdentifiers, LettersOfLargeStoppedTestsAreThoseAPlainScanOfEveryLinkageGives) {
    std::mt19937 rng(20261207);
    for (const std::int32_t groups : {2, 3, 7, 30, 60, 400}) {
        for (int trial = 0; trial < 20; ++trial) {
            RandomStoppedRun r(groups, rng);
            const std::vector<bool> holds = links_containing_significant(r.ctx);
            PlainClusters plain;
            for (std::int32_t L = 1; L < groups; ++L) {
                const bool expected = holds_significant_by_members(r.ctx, L);
                ASSERT_EQ(holds[std::size_t(L)], expected) << groups << " groups, linkage " << L;
                ASSERT_EQ(contains_significant_link(r.ctx, r.host, L), expected);
                const std::string& sig = r.ctx.SIG[std::size_t(L)];
                const bool joins = sig == "NS" || sig == "N/A" || (sig == "STOPPED" && !expected);
                plain.apply("ST" + std::to_string(r.ctx.LinkPair(L, 1)),
                            "ST" + std::to_string(r.ctx.LinkPair(L, 2)), joins);
            }
            const ClusterTable table = form_clusters(r.ctx, r.host);
            ASSERT_EQ(table.count(), std::int32_t(plain.rows.size()));
            for (std::int32_t p = 1; p <= groups; ++p)
                EXPECT_EQ(r.identifier(p),
                          cluster_identifier(plain.find(r.ctx.Label(p, 1)), table.count()));
        }
    }
}

TEST(ClusterIdentifiers, InconsistentRecordsStopTheProgram) {
    struct Case {
        std::vector<Verdict> links;
        std::string relabel;  // new label of dendrogram position 1, if any
        std::string message;
    };
    const Case cases[] = {
        {{{1, 2, "NS"}, {1, 2, "NS"}}, "", "linkage members already in the same cluster"},
        {{{1, 2, "NS"}, {1, 3, "NS"}}, "X1", "no match between sampleLab() and Label()"},
    };
    for (const Case& c : cases) {
        ClusterRun r({1, 1, 1}, c.links);
        if (!c.relabel.empty()) r.ctx.Label(1, 1) = c.relabel;
        try {
            assign_cluster_identifiers(r.ctx, r.host);
            ADD_FAILURE() << "expected the program to stop: " << c.message;
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.reason, c.message);
        }
        EXPECT_NE(r.host.link_area.history.find(c.message + "\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace tw::test
