// The exports of whole runs, read back by scipy and Biopython as a user's
// script would read them.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "export_fixture.h"

namespace tw::test {
namespace {

// Eight stations in four pairs whose labels need Newick's quoting rules;
// the first of each pair names its group.
constexpr const char* kAwkwardLabels =
    "\"Awkward labels\"\r\n"
    "8, 3\r\n"
    "\"STATION\",\"Sp1\",\"Sp2\",\"Sp3\"\r\n"
    "\"St A\" 10 2 0\r\n"
    "\"O'Brien\" 9 3 1\r\n"
    "\"a,b (x)\" 1 8 4\r\n"
    "\"c:d\" 2 7 5\r\n"
    "\"semi;colon\" 0 1 9\r\n"
    "\"[br]\" 1 0 8\r\n"
    "\"under_score\" 5 5 5\r\n"
    "\"plain\" 6 4 5\r\n"
    "4\r\n"
    "2 2 2 2\r\n";

std::vector<std::int32_t> members_of(const RunContext& ctx, std::int32_t link) {
    std::vector<std::int32_t> list;
    ctx.LinkMembers.list(link, list);
    list.erase(list.begin());  // entry 0 is unused
    std::sort(list.begin(), list.end());
    return list;
}

struct Combination {
    const char* name;
    Measure measure;
    LinkageMethod linkage;
};

class LinkageMatrix : public ::testing::TestWithParam<Combination> {};

// Distances and similarities, and a centroid method whose levels need not
// grow: scipy must take every one of them and find the right groups under
// every row.
TEST_P(LinkageMatrix, ScipyAcceptsItAndEachRowHoldsTheLinkagesGroups) {
    const ExportedRun exported(example_path("estuary_transect.txt"), GetParam().measure,
                               GetParam().linkage);
    const RunContext& ctx = exported.ctx();
    const auto lines = read_back("linkage", exported.prefix);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(ctx.NumGroups));
    EXPECT_EQ(lines[0], (Fields{"drawn", std::to_string(ctx.NumGroups)}));
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        std::string want;
        for (std::int32_t g : members_of(ctx, link))
            want += (want.empty() ? "" : " ") + std::to_string(g - 1);
        EXPECT_EQ(lines[static_cast<std::size_t>(link)],
                  (Fields{"row", std::to_string(link - 1), want}))
            << "linkage " << link;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, LinkageMatrix,
    ::testing::Values(Combination{"EuclideanUPGMA", Measure::Euclidean, LinkageMethod::UPGMA},
                      Combination{"BrayCurtisSingle", Measure::BrayCurtis, LinkageMethod::Single},
                      Combination{"CorrelationUPGMCentroid", Measure::Correlation,
                                  LinkageMethod::UPGMCentroid},
                      Combination{"JaccardComplete", Measure::Jaccard, LinkageMethod::Complete}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(NewickTree, BioPhyloReadsEveryAwkwardLabelOfABinaryTree) {
    const ExportedRun exported(write_input_file("awkward.txt", kAwkwardLabels), Measure::BrayCurtis,
                               LinkageMethod::UPGMA);
    const auto lines = read_back("newick", exported.prefix);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (Fields{"tips", "4"}));
    EXPECT_EQ(lines[1], (Fields{"binary", "yes"}));

    std::set<std::string> tips;
    for (const Fields& line : lines)
        if (line[0] == "tip") tips.insert(line.at(1));
    EXPECT_EQ(tips, (std::set<std::string>{"St A", "a,b (x)", "semi;colon", "under_score"}));
}

}  // namespace
}  // namespace tw::test
