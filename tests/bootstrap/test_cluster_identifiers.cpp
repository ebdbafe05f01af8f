// Clusters cut by the verdicts, their letters and the per-station list.

#include <gtest/gtest.h>

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
