// The names a user gave the groups in the table (vegan's dune with its
// Management column, as R's write.csv and a workbook hold it) reach the
// figure, FORM5's lists, the members and results files and the Newick tips
// of a tested run, while the report and the program's own list files keep
// the stations' labels; a names file that does not fit is refused aloud.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bootstrap/linkage_details.h"
#include "export_fixture.h"
#include "figure/publication_layout.h"
#include "import/group_names_file.h"
#include "import/workbook/chosen_file.h"
#include "run/group_names.h"
#include "simprof/test_profiles.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const std::set<std::string> kManagement = {"BF", "HF", "NM", "SF"};

std::string fixture_path(const std::string& name) {
    return std::string(TARNWICK_IMPORT_FIXTURES) + "/" + name;
}

// Imports a dune fixture grouped by Management as FOLDER/dune.txt, with its
// names file beside it, the way the import window and tarnwick-import do.
std::string imported_dune(const std::string& table, const std::string& folder) {
    import::ImportOptions options;
    options.group_column = import::ColumnChoice::named("Management");
    options.title = "dune";
    const std::string path = fixture_path(table);
    const auto imported =
        import::import_chosen_file(import::open_chosen_file(path), options, "with --sheet");
    const std::string data = fresh_folder(folder) + "/dune.txt";
    import::save_imported_table(data, imported, path);
    return data;
}

std::set<std::string> as_set(const std::vector<std::string>& v) {
    return {v.begin(), v.end()};
}

std::vector<std::string> column(const std::vector<Fields>& rows, std::size_t c) {
    std::vector<std::string> out;
    for (std::size_t r = 1; r < rows.size(); ++r) out.push_back(rows[r].at(c));
    return out;
}

std::vector<std::string> texts_of(const Figure& figure, TextRole role) {
    std::vector<std::string> out;
    for (const FigureText& t : figure.texts)
        if (t.role == role) out.push_back(t.text);
    return out;
}

Figure figure_of(const RunContext& ctx) {
    return publication_layout(figure_source(ctx, true), FigurePage{},
                              [](const std::string& s, double size) {
                                  return 0.6 * size * static_cast<double>(s.size());
                              });
}

TEST(GroupNames, ReachTheFigureFormFiveAndEveryExportOfATestedRun) {
    const std::string data = imported_dune("dune_management.csv", "dune-names");
    const ExportedRun exported(data, Measure::BrayCurtis, LinkageMethod::UPGMA);
    const RunContext& ctx = exported.ctx();
    ASSERT_TRUE(ctx.GroupNames.present());
    EXPECT_EQ(ctx.GroupNames.heading, "Management");

    // The user's own table, as Python's csv module reads it.
    const auto table = read_back("csv", fixture_path("dune_management.csv"));
    const auto members = read_back("csv", exported.prefix + ".members.csv");
    ASSERT_EQ(members.size(), 21u);
    EXPECT_EQ(members[0], (Fields{"station", "station_label", "group", "group_label", "cluster",
                                  "table_row", "grouping_value"}));
    std::vector<int> rows;
    for (std::size_t r = 1; r < members.size(); ++r) {
        const Fields& m = members[r];
        const int row = std::stoi(m.at(5));
        rows.push_back(row);
        SCOPED_TRACE("table row " + m.at(5));
        EXPECT_EQ(m.at(1), table.at(static_cast<std::size_t>(row)).at(0));  // R's row name
        EXPECT_EQ(m.at(3), table.at(static_cast<std::size_t>(row)).at(1));  // its Management
        EXPECT_EQ(m.at(6), m.at(3));
    }
    std::sort(rows.begin(), rows.end());
    for (int i = 0; i < 20; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)], i + 1);

    const auto results = read_back("csv", exported.prefix + ".results.csv");
    for (std::size_t c : {3u, 4u}) {
        for (const std::string& label : column(results, c))
            EXPECT_TRUE(kManagement.count(label)) << label;
    }
    std::set<std::string> tips;
    for (const Fields& f : read_back("newick", exported.prefix))
        if (f.at(0) == "tip") tips.insert(f.at(1));
    EXPECT_EQ(tips, kManagement);
    // The run record names the file the names came from.
    auto record = record_of(exported.prefix);
    EXPECT_NE(record["data_file.group_names_file"].find("/dune.groups.csv\""), std::string::npos)
        << record["data_file.group_names_file"];
    EXPECT_EQ(record["data_file.group_names_sha256"].size(), 66u);  // 64 digits in quotes

    const Figure figure = figure_of(ctx);
    EXPECT_EQ(as_set(texts_of(figure, TextRole::LeafLabel)), kManagement);
    EXPECT_EQ(texts_of(figure, TextRole::Title), std::vector<std::string>{"dune"});
    // FORM5: the last linkage joins every group; the cluster panel lists names.
    EXPECT_EQ(as_set(member_labels(ctx, ctx.NumGroups - 1)), kManagement);
    for (const ClusterMembers& c : cluster_members(ctx))
        for (const std::string& label : c.labels) EXPECT_TRUE(kManagement.count(label)) << label;
}

TEST(GroupNames, LeaveTheReportAndTheListFilesAsTheDataFileAloneGivesThem) {
    const std::string data = imported_dune("dune_management.csv", "dune-kept");
    const std::string names = group_names_path(data);
    for (TestMethod method : {TestMethod::Bootstrap, TestMethod::Simprof}) {
        SCOPED_TRACE(method == TestMethod::Bootstrap ? "bootstrap" : "similarity profile");
        Session named(data), alone(data);
        for (Session* s : {&named, &alone}) {
            // The same data file, first with its names beside it, then alone.
            if (s == &alone) fs::rename(names, names + ".away");
            s->ctx.settings.measure = Measure::BrayCurtis;
            s->ctx.settings.test_method = method;
            s->ctx.settings.boot_text = "30";
            s->ctx.settings.permutations_text = "99";
            s->ctx.settings.bootstrap_threads = 1;
            ASSERT_EQ(s->observed(), Outcome::Completed);
            ASSERT_EQ(
                method == TestMethod::Bootstrap ? s->bootstrap() : test_profiles(s->ctx, s->host),
                Outcome::Completed);
            s->finish();
        }
        fs::rename(names + ".away", names);
        EXPECT_EQ(named.report(), alone.report());
        EXPECT_EQ(named.cluster_list(), alone.cluster_list());
        EXPECT_EQ(named.siglist(), alone.siglist());
        EXPECT_EQ(as_set(figure_source(named.ctx, true).leaf_labels), kManagement);
        EXPECT_EQ(figure_source(alone.ctx, true).leaf_labels.size(), 4u);
        for (const std::string& label : figure_source(alone.ctx, true).leaf_labels)
            EXPECT_FALSE(kManagement.count(label)) << label;
    }
}

TEST(GroupNames, AWorkbookGivesTheSameDataAndNamesAsTheCsv) {
    const std::string from_csv = imported_dune("dune_management.csv", "dune-csv");
    const std::string from_xlsx = imported_dune("dune_management.xlsx", "dune-xlsx");
    EXPECT_EQ(bytes_of(from_xlsx), bytes_of(from_csv));
    const std::string names = bytes_of(group_names_path(from_csv));
    EXPECT_EQ(names.substr(0, names.find('\r')),
              "station,station_label,table_row,group,\"Management\"");
    EXPECT_EQ(bytes_of(group_names_path(from_xlsx)), names);
}

// Each edit makes the names file disagree with the data file beside it.
TEST(GroupNames, ANamesFileThatDoesNotFitIsRefusedAndTheStationsLabelsShown) {
    const std::string data = imported_dune("dune_management.csv", "dune-misfit");
    const std::string names_path = group_names_path(data);
    const std::string good = bytes_of(names_path);
    // Stations "1" and "3" are the first two of group 1, "SF".
    const std::string first = "1,\"1\",1,1,\"SF\"\r\n2,\"3\",3,1,\"SF\"\r\n";
    ASSERT_NE(good.find(first), std::string::npos) << good;
    auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::string last_line = good.substr(good.rfind("\r\n", good.size() - 3) + 2);
    const struct {
        const char* edit;
        std::string text;
        const char* says;
    } cases[] = {
        {"a station left out", edited(last_line, ""), "it names 19 stations; the data file has 20"},
        {"another group", edited("1,1,\"SF\"", "1,2,\"SF\""), "line 2 puts station 1 in group 2"},
        {"another label", edited("1,\"1\",", "1,\"22\","), "line 2 names station \"22\""},
        {"a row given twice", edited("\"3\",3,", "\"3\",1,"), "line 3 gives table row \"1\""},
        {"two names in a group", edited("3,1,\"SF\"", "3,1,\"HF\""), "names group 1 \"HF\""},
        {"not a names file", edited("station,", "a,"), "its first line is not the heading line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        std::ofstream(names_path, std::ios::binary | std::ios::trunc) << c.text;
        Session run(data);
        ASSERT_EQ(run.observed(), Outcome::Completed);
        ASSERT_EQ(run.host.questions.size(), 1u);
        EXPECT_EQ(run.host.questions[0].title, "Group Names");
        EXPECT_NE(run.host.questions[0].text.find("\"" + names_path + "\" does not fit"),
                  std::string::npos)
            << run.host.questions[0].text;
        EXPECT_NE(run.host.questions[0].text.find(c.says), std::string::npos)
            << run.host.questions[0].text;
        EXPECT_FALSE(run.ctx.GroupNames.present());
        for (std::int32_t g = 1; g <= run.ctx.NumGroups; ++g)
            EXPECT_EQ(shown_group_label(run.ctx, g),
                      run.ctx.GroupLabel[static_cast<std::size_t>(g)]);
    }
}

TEST(GroupNames, ATableImportedAgainWithoutGroupingTakesItsOldNamesAway) {
    const std::string data = imported_dune("dune_management.csv", "dune-regrouped");
    ASSERT_TRUE(fs::exists(group_names_path(data)));
    const std::string table = fs::path(data).parent_path() / "plain.csv";
    std::ofstream(table) << "site,Achimill,Agrostol\nx,1,2\ny,3,0\n";
    import::save_imported_table(data, import::import_text(bytes_of(table), {}, "plain"), table);
    EXPECT_FALSE(fs::exists(group_names_path(data)));
    Session run(data);
    ASSERT_EQ(run.observed(), Outcome::Completed);
    EXPECT_TRUE(run.host.questions.empty());
    EXPECT_FALSE(run.ctx.GroupNames.present());
}

}  // namespace
}  // namespace tw::test
