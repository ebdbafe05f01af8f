// The CSV tables read by Python's csv module against the report's own
// tables, the run record's seed repeating the test, and a write that fails.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "export_fixture.h"

namespace tw::test {
namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// The lines of the report that follow the line `heading`, up to an empty one.
std::vector<std::string> report_section(const std::string& report, const std::string& heading,
                                        int skip) {
    const std::vector<std::string> lines = crlf_lines(report);
    std::vector<std::string> section;
    auto it = std::find(lines.begin(), lines.end(), heading);
    if (it == lines.end()) return section;
    for (it += 1 + skip; it != lines.end() && !it->empty(); ++it) section.push_back(*it);
    return section;
}

TEST(MembersCsv, ListsEveryStationWithTheReportsClusterIdentifier) {
    const ExportedRun exported(example_path("estuary_transect.txt"), Measure::BrayCurtis,
                               LinkageMethod::UPGMA);
    const RunContext& ctx = exported.ctx();
    const auto rows = read_back("csv", exported.prefix + ".members.csv");
    const auto list = report_section(
        exported.run.report(),
        "Original data matrix sample labels with assigned Cluster Identifiers (letters)", 0);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(ctx.NumRows) + 1);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(ctx.NumRows));
    EXPECT_EQ(rows[0], (Fields{"station", "station_label", "group", "group_label", "cluster",
                               "table_row", "grouping_value"}));
    for (std::int32_t s = 1; s <= ctx.NumRows; ++s) {
        const Fields& csv = rows[static_cast<std::size_t>(s)];
        const std::vector<std::string> shown = words(list[static_cast<std::size_t>(s - 1)]);
        const std::int32_t group = (s - 1) / 4 + 1;  // ten groups of four in file order
        EXPECT_EQ(csv, (Fields{std::to_string(s), ctx.StationLabel[s], std::to_string(group),
                               ctx.GroupLabel[group], shown.at(1), "", ""}));
        EXPECT_EQ(shown.at(0), "\"" + ctx.StationLabel[s] + "\"");
    }
}

// A seed from the clock is written in the record; typed into the linkage
// window it repeats every count, on another number of threads too. A typed
// 0 is a seed like any other.
TEST(RunRecord, SeedRepeatsTheCounts) {
    for (const char* typed : {"", "0"}) {
        SCOPED_TRACE(std::string("seed box \"") + typed + "\"");
        Session first(example_path("estuary_transect.txt"), /*seed=*/0);
        first.ctx.settings.seed_text = typed;
        first.ctx.settings.boot_text = "30";
        first.ctx.settings.bootstrap_threads = 1;
        ASSERT_EQ(first.whole_run(), Outcome::Completed);
        const std::string prefix = fresh_folder("first") + "/run";
        ASSERT_EQ(export_results(first.ctx, first.host, prefix, kMade), Outcome::Completed);
        auto record = record_of(prefix);
        EXPECT_EQ(record["test.seed_from_clock"], *typed ? "false" : "true");
        EXPECT_EQ(record["test.threads"], "1");
        const std::string seed = record["test.seed"];
        if (*typed) {
            EXPECT_EQ(seed, "0");
        }
        EXPECT_NE(record["methods"].find("(seed " + seed + ")"), std::string::npos);

        Session again(example_path("estuary_transect.txt"), /*seed=*/0);
        again.ctx.settings.seed_text = seed;
        again.ctx.settings.boot_text = "30";
        again.ctx.settings.bootstrap_threads = 3;
        ASSERT_EQ(again.whole_run(), Outcome::Completed);
        EXPECT_EQ(again.ctx.LinkStat, first.ctx.LinkStat);
        EXPECT_EQ(again.ctx.Results.seed, first.ctx.Results.seed);
    }
}

// A seed box the test could not use stops the run before anything is shown
// or written, not after the dendrogram.
TEST(RunRecord, ASeedThatIsNotAWholeNumberStopsTheRunAtOnce) {
    Session run(example_path("meadow_quadrats.txt"), /*seed=*/0);
    run.ctx.settings.seed_text = "12a";
    run.host.answer(Answer::Ok);
    EXPECT_EQ(run.observed(), Outcome::Failed);
    ASSERT_EQ(run.host.questions.size(), 1u);
    EXPECT_EQ(run.host.questions[0].title, "Random Seed");
    EXPECT_NE(run.host.questions[0].text.find("\"12a\""), std::string::npos);
    EXPECT_FALSE(run.host.opened(kReportName));
}

TEST(RunRecord, NamesTheMethodsAndSettingsOfTheRun) {
    const ExportedRun exported(example_path("meadow_quadrats.txt"), Measure::Euclidean,
                               LinkageMethod::UPGMA);
    auto record = record_of(exported.prefix);
    EXPECT_EQ(record["data_file.sha256"].size(), 66u);  // 64 digits in quotes
    EXPECT_EQ(record["data_file.group_names_file"], "null");
    EXPECT_EQ(record["measure"], "\"Euclidean distance\"");
    EXPECT_EQ(record["measure_kind"], "\"distance\"");
    EXPECT_EQ(record["linkage"], "\"UPGMA\"");
    EXPECT_EQ(record["level_conversion"], "\"level\"");
    EXPECT_EQ(record["format_check_ran"], "false");
    EXPECT_EQ(record["test.trials"], "40");
    EXPECT_EQ(record["settings.linkage_window.alpha_level"], "\"0.05\"");
    // The buttons as the window numbers them, from 0.
    EXPECT_EQ(record["settings.linkage_window.measure_entry"], "0");
    EXPECT_EQ(record["settings.linkage_window.linkage_entry"], "4");
    EXPECT_EQ(record["made"], "\"2027-01-15T08:00:00Z\"");
}

TEST(Export, AFileThatCannotBeWrittenIsNamedAndTheOthersAreWhole) {
    Session run(example_path("meadow_quadrats.txt"));
    ASSERT_EQ(run.whole_run(), Outcome::Completed);
    const std::string folder = fresh_folder("blocked");
    const std::string prefix = folder + "/run";
    // A folder where the tree should go: the rename onto it fails.
    std::filesystem::create_directory(prefix + ".nwk");
    run.host.answer(Answer::Ok);
    EXPECT_EQ(export_results(run.ctx, run.host, prefix, kMade), Outcome::Failed);

    ASSERT_EQ(run.host.questions.size(), 1u);
    const std::string& message = run.host.questions[0].text;
    EXPECT_NE(message.find(prefix + ".nwk"), std::string::npos) << message;
    EXPECT_EQ(message.find(".csv"), std::string::npos) << message;
    EXPECT_TRUE(std::filesystem::is_directory(prefix + ".nwk"));

    const std::vector<ExportFile> wanted = export_files(run.ctx, prefix, kMade);
    for (std::size_t i = 1; i < wanted.size(); ++i)
        EXPECT_EQ(bytes_of(wanted[i].path), wanted[i].bytes) << wanted[i].path;
    // Nothing half written stays behind.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 5u);
    // The run itself is untouched: its report is still there in full.
    EXPECT_FALSE(run.host.ended);
}

TEST(Export, AMissingFolderIsOneMessageNamingEveryFile) {
    Session run(example_path("meadow_quadrats.txt"));
    ASSERT_EQ(run.whole_run(), Outcome::Completed);
    const std::string prefix = fresh_folder("gone") + "/no such folder/run";
    run.host.answer(Answer::Ok);
    EXPECT_EQ(export_results(run.ctx, run.host, prefix, kMade), Outcome::Failed);
    ASSERT_EQ(run.host.questions.size(), 1u);
    for (const char* ending : {".nwk", ".members.csv", ".results.csv", ".linkage.csv", ".run.json"})
        EXPECT_NE(run.host.questions[0].text.find(prefix + ending), std::string::npos) << ending;
}

}  // namespace
}  // namespace tw::test
