// tarnwick-import as a user runs it: options in either GNU form, the data
// file written on success, a message on standard error and no file at all
// when the table is refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "import_fixture.h"
#include "run/exit_status.h"

namespace tw::test {
namespace {

struct CommandResult {
    int status;
    std::string err;
};

CommandResult run_import(const std::string& args) {
    const std::string err_file = write_input_file("stderr.txt", "");
    const std::string command =
        std::string(TARNWICK_IMPORT_COMMAND) + " " + args + " 2>" + err_file + " >/dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, bytes_of(err_file)};
}

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

TEST(ImportCommand, WritesTheDataFileAndSaysWhatItRead) {
    const std::string out = write_input_file("ponds.txt", "");
    std::filesystem::remove(out);
    const auto r = run_import("--title='Pond survey' --group-column Management " +
                              quoted(fixture_path("r_write_csv2.csv")) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytes_of(out), fixture("ponds_expected.txt"));
    EXPECT_NE(r.err.find("8 stations x 5 species in 3 groups"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("reordered"), std::string::npos) << r.err;
}

TEST(ImportCommand, ReadsANamedSheetAndALongTable) {
    const std::string out = write_input_file("out.txt", "");
    auto r = run_import("--sheet=Counts --title 'Pond survey' " +
                        quoted(fixture_path("ponds.xlsx")) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytes_of(out), fixture("ponds_expected.txt"));
    r = run_import("--long site,taxon,count --title 'Pond survey' " +
                   quoted(fixture_path("long_table.csv")) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytes_of(out), fixture("ponds_expected.txt"));
}

TEST(ImportCommand, RefusedTableLeavesNoFileAndAnOldFileUntouched) {
    const std::string table = write_input_file("bad.csv", "Station,A,B\nS1,1,NA\n");
    const std::string out = write_input_file("out.txt", "old contents");
    auto r = run_import("--stations-as-rows " + quoted(table) + " " + quoted(out));
    EXPECT_EQ(r.status, exit_status(ExitStatus::DataRefused));
    EXPECT_NE(r.err.find("Line 2, column 3"), std::string::npos) << r.err;
    EXPECT_EQ(bytes_of(out), "old contents");
    std::filesystem::remove(out);
    r = run_import("--stations-as-rows " + quoted(table) + " " + quoted(out));
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(out + ".part"));
    EXPECT_EQ(bytes_of(table), "Station,A,B\nS1,1,NA\n");

    r = run_import("--stations-as-rows --missing-as-zero " + quoted(table) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("1 missing value was read as 0."), std::string::npos) << r.err;
}

TEST(ImportCommand, UnclearOrientationAsksTheUserToSay) {
    const std::string table = write_input_file("t.csv", "\"\",\"a\",\"b\"\n\"x\",1,2\n");
    const std::string out = write_input_file("out.txt", "");
    std::filesystem::remove(out);
    auto r = run_import(quoted(table) + " " + quoted(out));
    EXPECT_EQ(r.status, exit_status(ExitStatus::DataRefused));
    EXPECT_NE(r.err.find("--stations-as-columns"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    r = run_import("--stations-as-columns " + quoted(table) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(bytes_of(out).find("\"a\" 1\r\n\"b\" 2\r\n"), std::string::npos);
}

TEST(ImportCommand, WrongCommandLinesMissingTablesAndUnwritableFilesHaveTheProgramsExitStatuses) {
    EXPECT_EQ(run_import("--help").status, 0);
    EXPECT_EQ(run_import("only-one-file").status, 2);
    EXPECT_EQ(run_import("--colour=red a b").status, 2);
    EXPECT_EQ(run_import("--long a,b x y").status, 2);
    EXPECT_EQ(run_import("--separator=pipe x y").status, 2);
    auto r = run_import("/no/such/table.csv /tmp/x.txt");
    EXPECT_EQ(r.status, exit_status(ExitStatus::DataRefused));
    EXPECT_NE(r.err.find("There is no table"), std::string::npos);
    // The program's own data file needs no import, and is not taken for a table.
    r = run_import(quoted(fixture_path("ponds_typed.txt")) + " /tmp/x.txt");
    EXPECT_EQ(r.status, exit_status(ExitStatus::DataRefused));
    EXPECT_NE(r.err.find("is the program's own data file already"), std::string::npos) << r.err;
    // The table is never written over.
    const std::string table = fixture_path("r_write_csv.csv");
    const std::string before = bytes_of(table);
    EXPECT_EQ(run_import("--stations-as-rows " + quoted(table) + " " + quoted(table)).status,
              exit_status(ExitStatus::OutputFailed));
    EXPECT_EQ(bytes_of(table), before);
}

// A user typing the title in single quotes, as the start-up window shows
// titles, means the title without them.
TEST(ImportCommand, TitlesTheDataByTheTablesNameAndWritesTheGroupNamesBeside) {
    const std::filesystem::path folder =
        std::filesystem::path(write_input_file("dune.csv", "")).parent_path();
    std::filesystem::copy_file(fixture_path("dune_management.csv"), folder / "dune.csv",
                               std::filesystem::copy_options::overwrite_existing);
    const std::string table = quoted((folder / "dune.csv").string());
    const std::string out = (folder / "dune.txt").string();
    auto r = run_import("--group-column Management " + table + " " + quoted(out));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytes_of(out).substr(0, 8), "\"dune\"\r\n");
    const std::string names = bytes_of((folder / "dune.groups.csv").string());
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 21);  // heading and 20 stations

    r = run_import("--title \"'Dune meadows'\" --group-column Management " + table + " " +
                   quoted(out));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(bytes_of(out).substr(0, 16), "\"Dune meadows\"\r\n");
}

}  // namespace
}  // namespace tw::test
