// The results table in the report and the grid, the final symbols of the
// untested linkages, SIGLIST.TXT and "Finish".

#include <gtest/gtest.h>

#include "bootstrap/results_pass.h"
#include "bootstrap/siglist.h"
#include "bootstrap/test_linkages.h"
#include "bootstrap/test_loop.h"
#include "bootstrap_fixture.h"
#include "run/outcome.h"

namespace tw::test {
namespace {

struct Row {
    std::int32_t left, right;
    float stat;
    std::string sig;
    std::string redrawn;  // "Y", "N" or "" for the three Redrawn states
};

// One-station groups, one linkage per row, 100 replicates, alpha .05.
struct ResultsRun : BootstrapRun {
    explicit ResultsRun(const std::vector<Row>& rows)
        : BootstrapRun(std::vector<std::int32_t>(rows.size() + 1, 1)) {
        ctx.NumBoot = 100;
        prepare_link_records(ctx);
        for (std::int32_t l = 1; l <= static_cast<std::int32_t>(rows.size()); ++l) {
            const Row& row = rows[static_cast<std::size_t>(l - 1)];
            ctx.LinkPair(l, 1) = row.left;
            ctx.LinkPair(l, 2) = row.right;
            ctx.LinkStat[static_cast<std::size_t>(l)] = row.stat;
            ctx.SIG[static_cast<std::size_t>(l)] = row.sig;
            ctx.LinkRedrawn[static_cast<std::size_t>(l)] = row.redrawn == "Y" ? Redrawn::Yes
                                                           : row.redrawn == "N"
                                                               ? Redrawn::No
                                                               : Redrawn::NotTested;
        }
        write_results(ctx, host, TestSettings{100, "0.05", 0.05f});
    }
};

const std::vector<Row> kMixed = {
    {1, 2, 30, "NS", "N"}, {4, 6, 5, "S", "N"},  {2, 5, 0, "S", "N"},   {4, 7, -100, "", ""},
    {1, 8, 3, "S", "Y"},   {1, 4, -999, "", ""}, {1, 3, -999, "", "Y"},
};

TEST(ResultsPass, ReportTableAndFinalSymbols) {
    ResultsRun r(kMixed);
    EXPECT_EQ(r.report(),
              "Bootstrap testing results\r\n"
              "LINKAGE  MEMBERS   COUNT <= OBSERVED   P(0.05)\r\n"
              "    1      1    2             30        .3    NS \r\n"
              "    2      4    6             5         .05   S \r\n"
              "    3      2    5             0         0     S \r\n"
              "    4      4    7            -         -      * \r\n"
              "    5      1    8             3         .03   S  Resampled to avoid error\r\n"
              "    6      1    4            -         N/A    N/A \r\n"
              "    7      1    3            -         N/A    N/AResampled to avoid error\r\n");
    EXPECT_EQ(r.ctx.SIG, (std::vector<std::string>{"", "NS", "S", "S", "*", "S", "N/A", "N/A"}));
    EXPECT_NE(r.host.link_area.history.find(std::string(49, ' ') + "Resampled to avoid error\r\n"),
              std::string::npos);
    EXPECT_FALSE(r.host.visible(Window::Options));
}

TEST(ResultsPass, GridShowsHeadingsAndOneRowPerLinkage) {
    ResultsRun r(kMixed);
    EXPECT_EQ(r.host.results.rows, 8);
    const std::vector<std::vector<std::string>> expected = {
        {"LINKAGE", "MEMBERS", "# < OBS.", "P(0.05)"},
        {"1", "1 + 2", "30", "0.300"},
        {"2", "4 + 6", "5", "0 .05 *"},
        {"3", "2 + 5", "0", "0 0 *"},
        {"4", "4 + 7", " ", "*"},
        {"5", "1 + 8", "3", "0 .03 *"},
        {"6", "1 + 4", " ", "N/A"},
        {"7", "1 + 3", " ", "N/A"},
    };
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(r.host.results.cell(row, col),
                      expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)])
                << "row " << row << " column " << col;
}

TEST(ResultsPass, HighlightColourOnlyOnceASignificantOrNestedRowIsShown) {
    const std::pair<std::vector<Row>, GridColour> cases[] = {
        {{{1, 2, 30, "NS", "N"}, {1, 3, -999, "", ""}}, GridColour::WindowText},
        {{{1, 2, 5, "S", "N"}, {1, 3, 50, "NS", "N"}}, GridColour::TooltipText},
        {{{1, 2, 50, "NS", "N"}, {1, 3, -100, "", ""}}, GridColour::TooltipText},
    };
    for (const auto& [rows, colour] : cases)
        EXPECT_EQ(ResultsRun(rows).host.results.colour, colour);
}

TEST(ResultsPass, SymbolAlreadyOnAnUntestedLinkageStopsTheProgram) {
    for (const float stat : {-100.0f, -999.0f}) {
        const std::string message = std::string("Attempted to place ") +
                                    (stat == -100.0f ? "*" : "N/A") +
                                    " in SIG() when non-blank value already present";
        try {
            ResultsRun r({{1, 2, stat, "NS", ""}});
            ADD_FAILURE() << "expected the program to stop";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.reason, message);
        }
    }
}

TEST(SigList, OneLinePerTestedLinkageWithTheVerdictInTheSecondZone) {
    BootstrapRun r({2, 2});
    append_siglist_line(r.ctx, r.host, 3, "S");
    append_siglist_line(r.ctx, r.host, 12, "NS");
    EXPECT_EQ(r.siglist(), " 3            S\r\n 12           NS\r\n");
    EXPECT_FALSE(r.ctx.channels.is_open(3));  // closed after every line
}

TEST(Finish, ClosesEverythingAndBlanksTheGridBelowItsHeadings) {
    ResultsRun r(kMixed);
    r.ctx.settings.sqr_sim = true;
    finish_run(r.ctx, r.host);
    EXPECT_FALSE(r.ctx.channels.is_open(Channels::kReport));
    EXPECT_TRUE(r.host.visible(Window::Options));
    EXPECT_EQ(r.host.canvas.clears, 1);
    EXPECT_FALSE(r.ctx.settings.sqr_sim);
    EXPECT_EQ(r.host.results.cell(0, 3), "P(0.05)");
    for (int row = 1; row <= 7; ++row)
        for (int col = 0; col < 4; ++col) EXPECT_EQ(r.host.results.cell(row, col), " ");
}

}  // namespace
}  // namespace tw::test
