// The test down the observed hierarchy: its error rate on one community,
// the groups it finds among several, the nodes it leaves alone, and its
// independence of the thread count.

#include <gtest/gtest.h>

#include <set>

#include "bootstrap/cluster_identifiers.h"
#include "e2e/e2e_fixture.h"
#include "run/array_index.h"
#include "simprof/node_test.h"
#include "simprof/profile_results.h"
#include "simprof/profile_walk.h"
#include "simprof_fixture.h"

namespace tw::test {
namespace {

// The identifier of each station, in station order.
std::vector<std::string> station_groups(ProfileRun& r) {
    walk_profile_tests(r.ctx, r.host, r.settings());
    set_profile_symbols(r.ctx);
    assign_cluster_identifiers(r.ctx, r.host);
    std::vector<std::string> ids;
    for (std::int32_t p = 1; p <= r.ctx.NumGroups; ++p) ids.push_back(r.identifier(p));
    return ids;
}

TEST(ProfileWalk, RootOfOneCommunityIsSignificantAboutAlphaOfTheTime) {
    // 300 tables of 8 stations drawn from the same species abundances, each
    // root tested with 100 + 99 permutations at alpha 0.05. Under the null
    // the count is binomial(300, 0.05): mean 15, sd 3.8; 4..28 holds it
    // beyond three standard deviations either way.
    std::mt19937 random(2008);
    int significant = 0;
    for (int table = 0; table < 300; ++table) {
        ProfileRun r(std::vector<int>(8, 1), 12, random);
        ProfileSettings s = r.settings();
        s.permutations = 100;
        s.seed = static_cast<std::uint64_t>(table) + 1;
        const std::int32_t root = r.ctx.NumGroups - 1;
        Matrix<float> objects(8, 12);
        for (std::int32_t i = 1; i <= 8; ++i)
            for (std::int32_t sp = 1; sp <= 12; ++sp) objects(i, sp) = r.ctx.AvgMatrix(i, sp);
        TestProgress progress;
        if (test_node(r.ctx, r.host, s, objects, 8, root, progress).p <= s.alpha) ++significant;
    }
    EXPECT_GE(significant, 4);
    EXPECT_LE(significant, 28);
}

TEST(ProfileWalk, DistinctCommunitiesGiveExactlyThatManyGroups) {
    std::mt19937 random(366);
    for (int k : {1, 2, 3, 4}) {
        ProfileRun r(interleaved(4 * k, k), 30, random);
        const std::vector<std::string> ids = station_groups(r);
        // Stations of one community share a letter, and no two share one.
        std::set<std::string> letters(ids.begin(), ids.end());
        EXPECT_EQ(letters.size(), static_cast<std::size_t>(k)) << k << " communities";
        for (std::size_t i = 0; i < ids.size(); ++i)
            EXPECT_EQ(ids[i], ids[i % static_cast<std::size_t>(k)]) << "station " << i + 1;
    }
}

TEST(ProfileWalk, NodeOfTwoObjectsIsNeverTestedAndJoins) {
    // Three communities of two stations: the root and the four-station node
    // separate, the pairs under them are left as they are.
    std::mt19937 random(56);
    ProfileRun r(interleaved(6, 3), 40, random);
    const std::vector<std::string> ids = station_groups(r);
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), 3u);
    int pairs = 0;
    for (std::int32_t link = 1; link < r.ctx.NumGroups; ++link) {
        const LinkResult& rec = r.ctx.Results.at(link);
        if (rec.objects != 2) continue;
        ++pairs;
        EXPECT_EQ(rec.verdict, Verdict::TooFewObjects) << "linkage " << link;
        EXPECT_EQ(r.ctx.SIG[at(link)], "N/A");
        EXPECT_FALSE(rec.statistic.has_value());
    }
    EXPECT_EQ(pairs, 3);
}

TEST(ProfileWalk, NothingUnderANonSignificantNodeIsTested) {
    std::mt19937 random(9);
    ProfileRun r(std::vector<int>(10, 1), 20, random);
    r.ctx.settings.alpha_text = "0";  // nothing can be significant
    walk_profile_tests(r.ctx, r.host, r.settings());
    const std::int32_t root = r.ctx.NumGroups - 1;
    EXPECT_EQ(r.ctx.Results.at(root).verdict, Verdict::NotSignificant);
    for (std::int32_t link = 1; link < root; ++link)
        EXPECT_EQ(r.ctx.Results.at(link).verdict, Verdict::NotReached);
    set_profile_symbols(r.ctx);
    assign_cluster_identifiers(r.ctx, r.host);
    EXPECT_EQ(r.ids(), "A A A A A A A A A A ");
}

TEST(ProfileWalk, SameResultOnOneAndTwoThreads) {
    std::mt19937 random(1234);
    ProfileRun r(interleaved(12, 3), 25, random);
    r.ctx.settings.random_seed = 4242;
    walk_profile_tests(r.ctx, r.host, r.settings());
    const std::vector<LinkResult> one = r.ctx.Results.links;
    r.ctx.settings.bootstrap_threads = 2;
    walk_profile_tests(r.ctx, r.host, r.settings());
    const std::vector<LinkResult>& two = r.ctx.Results.links;
    ASSERT_EQ(one.size(), two.size());
    for (std::size_t l = 1; l < one.size(); ++l) {
        EXPECT_EQ(one[l].verdict, two[l].verdict) << "linkage " << l;
        EXPECT_EQ(one[l].statistic, two[l].statistic) << "linkage " << l;  // bit for bit
        EXPECT_EQ(one[l].count, two[l].count) << "linkage " << l;
    }
    // A different seed draws other permutations.
    r.ctx.settings.random_seed = 4243;
    walk_profile_tests(r.ctx, r.host, r.settings());
    EXPECT_NE(one.back().statistic, r.ctx.Results.links.back().statistic);
}

// The report section as a reader meets it: P as a plain decimal however
// small, each side named by its label, every object list within the page
// width and complete.
TEST(ProfileWalk, ReportNamesObjectsByLabelWithinThePageAndNeverPrintsENotation) {
    std::mt19937 random(77);
    ProfileRun r(interleaved(24, 2), 30, random);
    for (std::int32_t g = 1; g <= r.ctx.NumGroups; ++g)
        r.ctx.GroupLabel[at(g)] = "Plot at station " + std::to_string(g);
    r.ctx.settings.permutations_text = "2000";  // P down to 0.0005
    walk_profile_tests(r.ctx, r.host, r.settings());
    write_profile_results(r.ctx, r.host, r.settings());
    const std::string report = r.report();
    const std::string objects = "Objects under each tested linkage\r\n";
    const std::size_t list = report.find(objects);
    ASSERT_NE(list, std::string::npos);
    const std::size_t rows = report.find("MEMBERS\r\n") + 9;
    const std::string table = report.substr(rows, report.find("S: the objects") - rows);
    EXPECT_EQ(table.find_first_of("Ee"), std::string::npos) << table;
    EXPECT_NE(table.find(" 0.0005 "), std::string::npos) << table;  // 1 of 2000
    const std::int32_t root = r.ctx.NumGroups - 1;
    const std::string root_line = r.ctx.GroupLabel[at(r.ctx.LinkPair(root, 1))] + " + " +
                                  r.ctx.GroupLabel[at(r.ctx.LinkPair(root, 2))] + "\r\n";
    EXPECT_NE(report.find(root_line), std::string::npos) << report;
    std::size_t named = 0;
    for (const std::string& line : crlf_lines(report.substr(list + objects.size()))) {
        EXPECT_LE(line.size(), 80u) << line;
        for (std::size_t at_name = line.find("Plot"); at_name != std::string::npos;
             at_name = line.find("Plot", at_name + 1))
            ++named;
    }
    std::size_t expected = 0;
    for (std::int32_t link = 1; link <= root; ++link)
        if (was_tested(r.ctx.Results.at(link).verdict)) expected += r.ctx.LinkMembers.size(link);
    EXPECT_EQ(named, expected);
    EXPECT_GT(expected, 24u);
}

TEST(ProfileWalk, PartsOfEachLinkageFollowTheRepresentatives) {
    // ((1 2) (3 (4 5))): linkage 1 joins 4 5, 2 joins 1 2, 3 joins 3 and
    // linkage 1, 4 joins linkages 2 and 3.
    BootstrapRun r({1, 1, 1, 1, 1});
    r.link(1, 4, 5, {4, 5}, 0.9f);
    r.link(2, 1, 2, {1, 2}, 0.8f);
    r.link(3, 3, 4, {3, 4, 5}, 0.7f);
    r.link(4, 1, 3, {1, 2, 3, 4, 5}, 0.1f);
    prepare_link_records(r.ctx);
    const std::vector<LinkParts> parts = link_parts(r.ctx);
    EXPECT_EQ(parts[1].left, 0);
    EXPECT_EQ(parts[1].right, 0);
    EXPECT_EQ(parts[3].left, 0);
    EXPECT_EQ(parts[3].right, 1);
    EXPECT_EQ(parts[4].left, 2);
    EXPECT_EQ(parts[4].right, 3);
}

}  // namespace
}  // namespace tw::test
