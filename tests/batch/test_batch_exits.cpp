// How a batch run ends: the exit status a script tests, the one message on
// standard error, and which files are left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch_process.h"
#include "support/test_files.h"

namespace tw::test {

namespace {

enum Status { kDone = 0, kUsage = 2, kDataRefused = 3, kWarning = 4, kOutputFailed = 5 };

// A data file of one station per group, values as given.
std::string table(const std::vector<std::vector<std::string>>& rows) {
    const std::size_t species = rows.front().size();
    std::string s = "\"Batch test\"\r\n" + std::to_string(rows.size()) + ", " +
                    std::to_string(species) + "\r\n\"STATION\"";
    for (std::size_t j = 1; j <= species; ++j) s += ",\"S" + std::to_string(j) + "\"";
    s += "\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        s += "\"R" + std::to_string(i + 1) + "\"";
        for (const std::string& v : rows[i]) s += " " + v;
        s += "\r\n";
    }
    return s + "0\r\n\r\n";
}

std::string lake() {
    return examples_dir() + "/lake_stations.txt";
}

// Outputs of an earlier run, which a run that stops must leave as they were.
void leave_earlier_outputs(const std::string& folder) {
    std::ofstream(folder + "/CLUSTER.LST") << "earlier";
    std::ofstream(folder + "/SIGLIST.TXT") << "earlier\r\n";
}

void expect_earlier_outputs_kept(const std::string& folder) {
    EXPECT_EQ(file_in(folder, "CLUSTER.LST"), "earlier");
    EXPECT_EQ(file_in(folder, "SIGLIST.TXT"), "earlier\r\n");
    EXPECT_FALSE(exists_in(folder, "report.txt"));
}

}  // namespace

TEST(BatchExit, CommandLinesThatCannotBeUsedStopBeforeAnything) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--measure", "bray", "d.txt"}, "unknown measure 'bray'"},
        {{"--linkage=ward", "d.txt"}, "unknown linkage 'ward'"},
        {{"--colour", "d.txt"}, "unknown option '--colour'"},
        {{"-y", "d.txt"}, "unknown option '-y'"},
        {{"d.txt", "--replicates"}, "--replicates needs a value"},
        {{"--replicates", "0", "d.txt"}, "--replicates needs a whole number of 1 or more"},
        {{"--alpha", "1.5", "d.txt"}, "--alpha must lie between 0 and 1"},
        {{"--constant", "two", "d.txt"}, "--constant needs a number"},
        // The method window's message for its Permutations box, word for word.
        {{"--permutations", "1", "d.txt"},
         "--permutations 1: The number of permutations is 1. The similarity profile test "
         "needs a whole number from 2 to 1000000, such as 1000."},
        {{"--permutations=lots", "d.txt"}, "--permutations lots: The number of permutations is 0."},
        {{"--yes=1", "d.txt"}, "--yes takes no value"},
        {{}, "no data file named"},
        {{"a.txt", "b.txt"}, "one data file per run"},
    };
    const std::string folder = fresh_folder("usage");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Ran ran = run_batch(folder, c.args);
        EXPECT_EQ(ran.status, kUsage);
        EXPECT_NE(ran.err.find("tarnwick-batch: " + c.message), std::string::npos) << ran.err;
        EXPECT_NE(ran.err.find("--help"), std::string::npos);
        EXPECT_EQ(ran.out, "");
    }
    EXPECT_FALSE(exists_in(folder, "CLUSTER.LST"));
}

TEST(BatchExit, HelpNamesEveryChoiceAndExitStatus) {
    const Ran help = run_batch(fresh_folder("help"), {"--help"});
    EXPECT_EQ(help.status, kDone);
    for (const char* word : {"--measure",
                             "heterogeneity-ratio",
                             "simple-matching",
                             "fager",
                             "--linkage",
                             "minimum-variance",
                             "wpgmc",
                             "--squared",
                             "--constant",
                             "--transform",
                             "--average-matrix",
                             "--savelinks",
                             "--sim-matrix",
                             "--all-matrices",
                             "--replicates",
                             "--alpha",
                             "--seed",
                             "--threads",
                             "--no-bootstrap",
                             "--report",
                             "--check",
                             "--yes",
                             "--quiet",
                             "--version",
                             "  5  an output file"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    const Ran version = run_batch(fresh_folder("version"), {"--version"});
    EXPECT_EQ(version.status, kDone);
    EXPECT_EQ(version.out.rfind("tarnwick-batch (TARNWICK) ", 0), 0u) << version.out;
}

TEST(BatchExit, RefusedDataFileIsNamedWithItsLine) {
    const std::string folder = fresh_folder("refused");
    const Ran missing = run_batch(folder, {"--seed", "1", "nowhere.txt"});
    EXPECT_EQ(missing.status, kDataRefused);
    EXPECT_NE(missing.err.find("\"nowhere.txt\" cannot be opened"), std::string::npos)
        << missing.err;

    const std::string short_file =
        write_input_file("short.txt", "\"Short\"\r\n2, 2\r\n\"S\",\"a\",\"b\"\r\n\"x\" 1 2\r\n");
    const Ran ended = run_batch(folder, {"--seed", "1", short_file});
    EXPECT_EQ(ended.status, kDataRefused);
    EXPECT_NE(ended.err.find("line 4"), std::string::npos) << ended.err;
    EXPECT_NE(ended.err.find(short_file), std::string::npos) << ended.err;
    EXPECT_FALSE(exists_in(folder, "CLUSTER.LST"));
}

TEST(BatchExit, UnreplicatedBootstrapIsExplainedAndTheProfileTestCanBeChosen) {
    const std::string folder = fresh_folder("tests");
    // river_presence has no replicate groups: every group is one station.
    const std::string river = examples_dir() + "/river_presence.txt";
    const Ran bootstrap =
        run_batch(folder, {"--seed", "4", "--measure", "jaccard", "--report", "boot.txt", river});
    EXPECT_EQ(bootstrap.status, kDone) << bootstrap.err;
    EXPECT_NE(bootstrap.err.find("Bootstrap Without Replicate Groups"), std::string::npos)
        << bootstrap.err;

    // Its seed, from the clock, its progress and its export all name the
    // similarity profile test; the record keeps the seed it drew from.
    const Ran profile =
        run_batch(folder, {"--measure", "jaccard", "--test", "simprof", "--permutations=99",
                           "--report", "profile.txt", "--export", "river", river});
    EXPECT_EQ(profile.status, kDone) << profile.err;
    EXPECT_EQ(profile.err.find("Bootstrap Without Replicate Groups"), std::string::npos);
    EXPECT_EQ(profile.err.find("bootstrap"), std::string::npos) << profile.err;
    EXPECT_NE(profile.err.find(" permutations, "), std::string::npos) << profile.err;
    const std::string marker = "similarity profile seed ";
    const std::size_t at = profile.err.find(marker);
    ASSERT_NE(at, std::string::npos) << profile.err;
    const std::string seed = profile.err.substr(
        at + marker.size(), profile.err.find(' ', at + marker.size()) - at - marker.size());
    const std::string record = file_in(folder, "river.run.json");
    EXPECT_NE(record.find("\"method\": \"similarity profile\""), std::string::npos) << record;
    EXPECT_NE(record.find("\"seed\": " + seed + ","), std::string::npos) << record;
    EXPECT_NE(file_in(folder, "profile.txt").find("seed " + seed), std::string::npos);

    // Too few permutations for alpha: said before the test, which still runs.
    const Ran few = run_batch(folder, {"--seed", "4", "--test", "simprof", "--permutations", "10",
                                       "--report", "few.txt", river});
    EXPECT_EQ(few.status, kDone) << few.err;
    EXPECT_NE(few.err.find("no linkage can be significant"), std::string::npos) << few.err;
    EXPECT_EQ(file_in(folder, "few.txt").find(" S "), std::string::npos);

    const Ran wrong = run_batch(folder, {"--test", "anova", river});
    EXPECT_EQ(wrong.status, kUsage);
}

TEST(BatchExit, ATableIsReadIntoADataFileBesideItAndRun) {
    const std::string folder = fresh_folder("table");
    std::filesystem::copy_file(TARNWICK_IMPORT_FIXTURES "/r_write_csv.csv", folder + "/ponds.csv");
    const Ran table = run_batch(
        folder, {"--seed", "2", "--title", "Pond survey", "--report", "report.txt", "ponds.csv"});
    EXPECT_EQ(table.status, kDone) << table.err;
    EXPECT_NE(table.err.find("read the table ponds.csv into ponds.txt"), std::string::npos)
        << table.err;
    EXPECT_EQ(file_in(folder, "ponds.txt"),
              file_in(TARNWICK_IMPORT_FIXTURES, "ponds_expected.txt"));
    EXPECT_NE(file_in(folder, "report.txt").find("Input data file: ponds.txt"), std::string::npos);

    std::ofstream(folder + "/ragged.csv") << "site,a,b\nx,1,2\ny,3\n";
    const Ran ragged = run_batch(folder, {"ragged.csv"});
    EXPECT_EQ(ragged.status, kDataRefused);
    EXPECT_FALSE(exists_in(folder, "ragged.txt"));

    std::ofstream(folder + "/counts.csv") << "%PDF-1.7\n1 0 obj\n";
    const Ran pdf = run_batch(folder, {"counts.csv"});
    EXPECT_EQ(pdf.status, kDataRefused);
    EXPECT_NE(pdf.err.find("counts.csv\" is a PDF document, not a table"), std::string::npos)
        << pdf.err;
    EXPECT_FALSE(exists_in(folder, "counts.txt"));
}

TEST(BatchExit, OutputThatCannotBeWrittenIsNamedAndNothingIsLeft) {
    for (const std::vector<std::string>& where :
         {std::vector<std::string>{"--report", "missing/report.txt"},
          std::vector<std::string>{"--report", "report.txt", "--average-matrix",
                                   "missing/a.txt"}}) {
        const std::string folder = fresh_folder("output");
        std::vector<std::string> args = where;
        args.insert(args.end(), {"--seed", "1", lake()});
        const Ran ran = run_batch(folder, args);
        EXPECT_EQ(ran.status, kOutputFailed);
        EXPECT_NE(ran.err.find("missing/"), std::string::npos) << ran.err;
        EXPECT_FALSE(exists_in(folder, "CLUSTER.LST"));
        EXPECT_FALSE(exists_in(folder, "report.txt"));
    }
}

// Each question the data can raise: without --yes the first stops the run
// with its text and leaves every earlier output alone; with --yes it is
// answered Yes, noted, and the run completes.
TEST(BatchExit, EveryWarningQuestionStopsWithoutYesAndIsAnsweredWithIt) {
    const struct {
        std::string name;
        std::vector<std::vector<std::string>> rows;
        std::string measure;
        std::string text;
    } cases[] = {
        {"empty-row",
         {{"1", "2"}, {"0", "0"}, {"3", "1"}},
         "euclidean",
         "Empty Data Row Warning: Values in Row 2 (R2) total to zero"},
        {"negative-row",
         {{"1", "2"}, {"-4", "1"}, {"3", "1"}},
         "euclidean",
         "Negative Data Row Warning: Values in Row 2 (R2) sum to a negative number"},
        {"empty-column",
         {{"1", "0"}, {"2", "0"}, {"3", "0"}},
         "bray-curtis",
         "Empty Data Column Warning: Values in column 2 (S2) total to zero"},
        {"negative-column",
         {{"5", "-1"}, {"4", "-1"}, {"3", "1"}},
         "euclidean",
         "Empty Data Column Warning: Values in column 2 (S2) sum to a negative number"},
        {"poor-fit",
         {{"1", "1", "0"}, {"0", "1", "1"}, {"1", "0", "1"}},
         "heterogeneity-ratio",
         "Poor Fit to Log-series Warning: Replicate group"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string data = write_input_file(c.name + ".txt", table(c.rows));
        const std::vector<std::string> args = {"--measure", c.measure,    "--seed", "9",
                                               "--report",  "report.txt", data};
        const std::string stopped = fresh_folder(c.name + "-no");
        leave_earlier_outputs(stopped);
        const Ran no = run_batch(stopped, args);
        EXPECT_EQ(no.status, kWarning);
        EXPECT_NE(no.err.find(data + ": " + c.text), std::string::npos) << no.err;
        EXPECT_NE(no.err.find("--yes"), std::string::npos);
        expect_earlier_outputs_kept(stopped);

        std::vector<std::string> with_yes = args;
        with_yes.insert(with_yes.begin(), "--yes");
        const std::string answered = fresh_folder(c.name + "-yes");
        const Ran yes = run_batch(answered, with_yes);
        EXPECT_EQ(yes.status, kDone) << yes.err;
        EXPECT_NE(yes.err.find(c.text), std::string::npos) << yes.err;
        EXPECT_NE(yes.err.find("answered Yes"), std::string::npos);
        EXPECT_TRUE(exists_in(answered, "report.txt"));
        EXPECT_TRUE(exists_in(answered, "SIGLIST.TXT"));
    }
}

TEST(BatchExit, HeterogeneityRatioOfAnEmptyRowStopsEvenWithYes) {
    const std::string data =
        write_input_file("hr.txt", table({{"1", "2"}, {"0", "0"}, {"3", "1"}}));
    const std::string folder = fresh_folder("hr");
    const Ran yes = run_batch(folder, {"--yes", "--measure", "heterogeneity-ratio", "--report",
                                       "report.txt", "--seed", "2", data});
    EXPECT_EQ(yes.status, kWarning);
    EXPECT_NE(yes.err.find("choose another --measure"), std::string::npos) << yes.err;
    EXPECT_FALSE(exists_in(folder, "report.txt"));
}

TEST(BatchExit, FormatCheckListsEveryFaultWithItsLineAndRefusesTheFile) {
    // A title in single quotes, a tab among the values, one value missing.
    const std::string data = write_input_file(
        "faulty.txt",
        "'Faulty'\r\n3, 2\r\n\"S\",\"a\",\"b\"\r\n\"x\" 1 2\r\n\"y\" 1\t1\r\n\"z\" "
        "3\r\n3\r\n1 1 1\r\n");
    const std::string folder = fresh_folder("check");
    const Ran ran = run_batch(folder, {"--check", "--seed", "1", "--report", "report.txt", data});
    EXPECT_EQ(ran.status, kDataRefused);
    for (const std::string& fault :
         {data + ":1: Title Line Error: missing quote at beginning of line",
          data + ":1: Title Line Error: missing quote at end of line",
          data + ":5: error on data line: TAB character in position 6",
          data + ":6: error in data line: too few data values"}) {
        EXPECT_NE(ran.err.find("tarnwick-batch: " + fault), std::string::npos) << ran.err;
    }
    EXPECT_NE(ran.err.find("found 4 faults"), std::string::npos) << ran.err;
    EXPECT_FALSE(exists_in(folder, "report.txt"));
}

TEST(BatchExit, ReportGoesToStandardOutputByDefault) {
    const std::string folder = fresh_folder("stdout");
    const Ran ran = run_batch(folder, {"--no-bootstrap", lake()});
    EXPECT_EQ(ran.status, kDone) << ran.err;
    EXPECT_EQ(ran.out.rfind("Lake littoral benthos, spring survey\r\n", 0), 0u);
    EXPECT_TRUE(exists_in(folder, "CLUSTER.LST"));
    // Without the test: no SIGLIST.TXT lines, no seed.
    EXPECT_FALSE(exists_in(folder, "SIGLIST.TXT"));
    EXPECT_EQ(ran.err, "");
}

TEST(BatchExit, SeedFromTheClockIsPrintedAndRepeatsTheRun) {
    const std::string first = fresh_folder("clock");
    const Ran ran = run_batch(
        first, {"--quiet", "--replicates", "30", "--report", "r.txt", "--export", "lake", lake()});
    ASSERT_EQ(ran.status, kDone) << ran.err;
    const std::string marker = "bootstrap seed ";
    const std::size_t at = ran.err.find(marker);
    ASSERT_NE(at, std::string::npos) << ran.err;
    const std::string seed = ran.err.substr(
        at + marker.size(), ran.err.find(' ', at + marker.size()) - at - marker.size());
    // The run record says the seed came from the clock, and which it was.
    const std::string record = file_in(first, "lake.run.json");
    EXPECT_NE(record.find("\"seed\": " + seed + ","), std::string::npos) << record;
    EXPECT_NE(record.find("\"seed_from_clock\": true"), std::string::npos) << record;

    const std::string again = fresh_folder("again");
    ASSERT_EQ(run_batch(again, {"--seed", seed, "--replicates", "30", "--report", "r.txt",
                                "--export", "lake", lake()})
                  .status,
              kDone);
    EXPECT_EQ(file_in(again, "SIGLIST.TXT"), file_in(first, "SIGLIST.TXT"));
    EXPECT_EQ(file_in(again, "r.txt"), file_in(first, "r.txt"));
    EXPECT_NE(file_in(again, "lake.run.json").find("\"seed_from_clock\": false"),
              std::string::npos);
}

// --export writes the results files beside the run's own; a prefix that
// cannot be written is named, with its own exit status.
TEST(BatchExit, ExportWritesTheResultsFilesOrNamesTheOneThatFailed) {
    const std::string folder = fresh_folder("export");
    const Ran ran = run_batch(
        folder, {"--quiet", "--seed", "5", "--report", "r.txt", "--export", "lake", lake()});
    ASSERT_EQ(ran.status, kDone) << ran.err;
    for (const char* name :
         {"lake.nwk", "lake.members.csv", "lake.results.csv", "lake.linkage.csv", "lake.run.json"})
        EXPECT_TRUE(exists_in(folder, name)) << name;
    EXPECT_NE(file_in(folder, "lake.run.json").find("\"seed\": 5,"), std::string::npos);

    const Ran failed = run_batch(
        fresh_folder("export-failed"),
        {"--quiet", "--seed", "5", "--report", "r.txt", "--export", "missing/lake", lake()});
    EXPECT_EQ(failed.status, kOutputFailed);
    EXPECT_NE(failed.err.find("missing/lake.nwk"), std::string::npos) << failed.err;
}

// --figure writes the picture after the run's own files, whatever the test
// or the lack of one; a figure that cannot be written is named.
TEST(BatchExit, FigureIsWrittenAfterTheRunOrNamedWhenItCannotBe) {
    if (!have_windows()) GTEST_SKIP() << "PDF and PNG are painted by the windows' painter";
    const std::string folder = fresh_folder("figure");
    const Ran png = run_batch(folder, {"--quiet", "--seed", "5", "--report", "r.txt", "--figure",
                                       "tree.png", "--figure-dpi", "72", lake()});
    ASSERT_EQ(png.status, kDone) << png.err;
    EXPECT_EQ(file_in(folder, "tree.png").substr(1, 3), "PNG");
    EXPECT_TRUE(png.err.empty()) << "Qt's start-up says nothing: " << png.err;

    const Ran untested =
        run_batch(folder, {"--quiet", "--no-bootstrap", "--report", "r.txt", "--figure", "tree.svg",
                           "--figure-view", "clusters", lake()});
    ASSERT_EQ(untested.status, kDone) << untested.err;
    EXPECT_NE(untested.err.find("no clusters before the test"), std::string::npos);
    EXPECT_NE(file_in(folder, "tree.svg").find(">L1a<"), std::string::npos) << "every name shown";

    const Ran failed = run_batch(folder, {"--quiet", "--seed", "5", "--report", "r.txt", "--figure",
                                          "missing/tree.pdf", lake()});
    EXPECT_EQ(failed.status, kOutputFailed);
    EXPECT_NE(failed.err.find("missing/tree.pdf"), std::string::npos) << failed.err;
}

}  // namespace tw::test
