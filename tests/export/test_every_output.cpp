// Both significance tests, on replicate groups and on single stations: every
// output that shows a linkage's P or verdict (the grid, the figure, the
// exports, the run record, the methods paragraph) says what the report's
// results table says, and names the test that ran.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "export/methods_paragraph.h"
#include "export_fixture.h"
#include "figure/figure_source.h"
#include "figure/publication_layout.h"
#include "simprof/test_profiles.h"

namespace tw::test {
namespace {

// Twelve stations from three communities, each station its own group.
constexpr const char* kSingleStations =
    "\"Three communities, single stations\"\r\n"
    "12, 6\r\n"
    "\"STATION\",\"Sp1\",\"Sp2\",\"Sp3\",\"Sp4\",\"Sp5\",\"Sp6\"\r\n"
    "\"A1\" 40 31 2 0 1 0\r\n"
    "\"A2\" 35 28 0 1 0 2\r\n"
    "\"A3\" 44 25 1 0 2 0\r\n"
    "\"A4\" 38 35 0 2 0 1\r\n"
    "\"B1\" 1 0 36 30 2 1\r\n"
    "\"B2\" 0 2 41 26 0 0\r\n"
    "\"B3\" 2 1 33 33 1 0\r\n"
    "\"B4\" 0 0 39 29 0 2\r\n"
    "\"C1\" 0 1 2 0 37 30\r\n"
    "\"C2\" 1 0 0 1 42 27\r\n"
    "\"C3\" 0 2 1 0 35 34\r\n"
    "\"C4\" 2 0 0 2 40 29\r\n"
    "0\r\n";

enum class Data { ReplicateGroups, SingleStations };

struct Case {
    const char* name;
    TestMethod method;
    Data data;
};

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// One line of the report's results table.
struct ReportRow {
    std::int32_t link = 0;
    std::string p;  // as printed; empty when the linkage was not tested
    std::string verdict;
    std::string statistic;  // pi, after the similarity profile test
};

bool is_number(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return std::isdigit(c); });
}

// The table under `heading`, after `skip` lines, for as long as its lines
// start with a linkage number.
std::vector<ReportRow> report_table(const std::string& report, TestMethod method) {
    const bool profile = method == TestMethod::Simprof;
    const std::vector<std::string> lines = crlf_lines(report);
    const std::string heading =
        profile ? "Similarity profile (SIMPROF) testing results" : "Bootstrap testing results";
    auto it = std::find(lines.begin(), lines.end(), heading);
    EXPECT_NE(it, lines.end()) << heading;
    if (it == lines.end()) return {};
    std::vector<ReportRow> rows;
    for (it += profile ? 4 : 2; it != lines.end(); ++it) {
        const std::vector<std::string> w = words(*it);
        if (w.size() < 5 || !is_number(w[0])) break;
        ReportRow row{std::stoi(w[0]), "", "", ""};
        if (profile) {  // LINKAGE OBJECTS PI P VERDICT MEMBERS
            if (w[3] != "-") row = {row.link, w[3], "", w[2]};
            row.verdict = w[4];
        } else {  // LINKAGE MEMBERS(2) COUNT P VERDICT
            if (w[3] != "-") row.p = w[4];
            row.verdict = w.size() > 5 ? w[5] : "";
        }
        rows.push_back(row);
    }
    return rows;
}

// "0 .03 *", "0.300", "0.005 *": the P a grid cell shows.
float grid_p(std::string cell) {
    cell.erase(
        std::remove_if(cell.begin(), cell.end(), [](char c) { return c == ' ' || c == '*'; }),
        cell.end());
    return std::stof(cell);
}

// A run through the chosen test and "Finish", its grid as the test left it
// and its exports.
struct TestedRun {
    Session run;
    std::map<std::pair<int, int>, std::string> grid;
    std::string prefix;
    std::int32_t trials;

    explicit TestedRun(const Case& c)
        : run(c.data == Data::ReplicateGroups
                  ? example_path("estuary_transect.txt")
                  : write_input_file("single_stations.txt", kSingleStations)),
          // Enough trials that both tests first time their linkages for
          // the time left, which must leave every output as it is.
          trials(c.method == TestMethod::Simprof ? 250 : 100) {
        RunSettings& s = run.ctx.settings;
        s.measure = Measure::BrayCurtis;
        s.linkage = LinkageMethod::UPGMA;
        s.test_method = c.method;
        s.boot_text = "100";
        s.permutations_text = "250";
        s.bootstrap_threads = 2;
        EXPECT_EQ(run.observed(), Outcome::Completed);
        EXPECT_EQ(test_significance(run.ctx, run.host), Outcome::Completed);
        grid = run.host.results.cells;
        run.finish();
        prefix = fresh_folder(std::string("every_output_") + c.name) + "/run";
        EXPECT_EQ(export_results(run.ctx, run.host, prefix, kMade), Outcome::Completed);
    }
};

class EveryOutput : public ::testing::TestWithParam<Case> {};

TEST_P(EveryOutput, ShowsTheReportsPAndVerdictAndNamesTheTest) {
    const Case c = GetParam();
    const bool profile = c.method == TestMethod::Simprof;
    const TestedRun t(c);
    const RunContext& ctx = t.run.ctx;
    const std::string report = t.run.report();
    const std::vector<ReportRow> table = report_table(report, c.method);
    ASSERT_EQ(table.size(), static_cast<std::size_t>(ctx.NumGroups - 1));
    const auto tested =
        std::count_if(table.begin(), table.end(), [](const ReportRow& r) { return !r.p.empty(); });
    ASSERT_GT(tested, 0);

    // The report's header names the test that ran.
    EXPECT_EQ(report.find("bootstrap samples were used") != std::string::npos, !profile);
    EXPECT_EQ(report.find("250   permutations per tested linkage") != std::string::npos, profile);

    // results.csv, Newick node labels and the grid, row by row.
    const auto csv = read_back("csv", t.prefix + ".results.csv");
    ASSERT_EQ(csv.size(), table.size() + 1);
    EXPECT_EQ(csv[0],
              (Fields{"linkage", "left", "right", "left_label", "right_label", "level", "stations",
                      "test", "count", "trials", "p", "se", "statistic", "verdict", "uncertain"}));
    std::map<std::string, std::string> node_p;  // tips -> label
    for (const Fields& f : read_back("newick", t.prefix))
        if (f[0] == "node") node_p[f.at(2)] = f.at(1);
    std::vector<std::string> figure_p;
    for (const ReportRow& row : table) {
        SCOPED_TRACE("linkage " + std::to_string(row.link));
        const Fields& r = csv[static_cast<std::size_t>(row.link)];
        EXPECT_EQ(r[7], profile ? "similarity profile" : "bootstrap");
        EXPECT_EQ(r[13], row.verdict);
        std::vector<std::string> tips;
        std::vector<std::int32_t> members;
        const std::int32_t m = ctx.LinkMembers.list(row.link, members);
        for (std::int32_t k = 1; k <= m; ++k) tips.push_back(ctx.GroupLabel[members[k]]);
        std::sort(tips.begin(), tips.end());
        std::string tip_text;
        for (const std::string& l : tips) tip_text += (tip_text.empty() ? "" : " ") + l;
        ASSERT_EQ(node_p.count(tip_text), 1u) << tip_text;
        if (row.p.empty()) {
            EXPECT_EQ((Fields{r[8], r[9], r[10], r[11], r[12], r[14]}),
                      (Fields{"", "", "", "", "", ""}));
            EXPECT_EQ(node_p[tip_text], "");
            continue;
        }
        const float p = std::stof(row.p);
        EXPECT_FLOAT_EQ(std::stof(r[10]), p);
        EXPECT_EQ(std::stoi(r[9]), t.trials);
        EXPECT_FLOAT_EQ(std::stof(r[8]) / std::stof(r[9]), p);
        EXPECT_NEAR(std::stod(r[11]), std::sqrt(p * (1.0 - p) / t.trials), 1e-6);
        EXPECT_EQ(r[12].empty(), !profile);
        if (profile) {
            EXPECT_FLOAT_EQ(std::stof(r[12]), std::stof(row.statistic));
        }
        EXPECT_FLOAT_EQ(std::stof(node_p[tip_text]), p);
        const std::string cell = t.grid.at({row.link, 3});
        EXPECT_FLOAT_EQ(grid_p(cell), p) << cell;
        EXPECT_EQ(cell.back() == '*', row.verdict == "S") << cell;
        figure_p.push_back(p_text(p, t.trials));  // the figure's rounding of this P
    }

    // The figure: its subtitle names the test, its node labels are the
    // report's P values, its legend names only what it shows.
    const Figure figure = publication_layout(figure_source(ctx, true), FigurePage{},
                                             [](const std::string& s, double size) {
                                                 return 0.6 * size * static_cast<double>(s.size());
                                             });
    std::vector<std::string> shown_p;
    std::string subtitle;
    std::string legend;
    for (const FigureText& text : figure.texts) {
        if (text.role == TextRole::PValue) shown_p.push_back(text.text);
        if (text.role == TextRole::MethodLine) subtitle = text.text;
        if (text.role == TextRole::Legend) legend += text.text + "|";
    }
    std::sort(shown_p.begin(), shown_p.end());
    std::sort(figure_p.begin(), figure_p.end());
    EXPECT_EQ(shown_p, figure_p);
    EXPECT_NE(subtitle.find(profile ? "similarity profile test, 250 permutations per linkage"
                                    : "100 bootstrap replicates per linkage"),
              std::string::npos)
        << subtitle;
    const bool any_significant = std::any_of(table.begin(), table.end(),
                                             [](const ReportRow& r) { return r.verdict == "S"; });
    EXPECT_EQ(legend.find("significant (P") != std::string::npos, any_significant) << legend;
    if (profile) {
        EXPECT_EQ(legend.find("stations"), std::string::npos) << legend;
    }

    // The run record and the methods paragraph: the test, its trials and
    // the seed the run was given.
    auto record = record_of(t.prefix);
    EXPECT_EQ(record["test.method"], profile ? "\"similarity profile\"" : "\"bootstrap\"");
    EXPECT_EQ(record["test.trials"], std::to_string(t.trials));
    EXPECT_EQ(record["test.seed"], "20240611");
    EXPECT_EQ(record.count("bootstrap.replicates_per_linkage"), 0u);
    if (profile) {
        EXPECT_NE(report.find("seed 20240611"), std::string::npos);
    }
    const std::string methods = methods_paragraph(ctx);
    EXPECT_NE(methods.find(profile ? "similarity profile tests" : "100 bootstrap replicates"),
              std::string::npos)
        << methods;
    EXPECT_EQ(methods.find(profile ? "bootstrap" : "permutation"), std::string::npos) << methods;
    EXPECT_NE(methods.find("(seed 20240611)"), std::string::npos) << methods;
}

INSTANTIATE_TEST_SUITE_P(
    BothTests, EveryOutput,
    ::testing::Values(
        Case{"BootstrapOfReplicateGroups", TestMethod::Bootstrap, Data::ReplicateGroups},
        Case{"BootstrapOfSingleStations", TestMethod::Bootstrap, Data::SingleStations},
        Case{"ProfileOfReplicateGroups", TestMethod::Simprof, Data::ReplicateGroups},
        Case{"ProfileOfSingleStations", TestMethod::Simprof, Data::SingleStations}),
    case_name);

}  // namespace
}  // namespace tw::test
