// A table given to the batch command with its grouping column: the run shows
// the group names in its exports, as the windows show them for the data file
// and names file the batch command wrote.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "batch_process.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

TEST(BatchGroupNames, ATableWithItsGroupingColumnGivesTheWindowsNames) {
    const std::string batch = fresh_folder("names-batch");
    fs::copy_file(TARNWICK_IMPORT_FIXTURES "/dune_management.csv", batch + "/dune.csv");
    const Ran ran = run_batch(
        batch, {"--seed", "31", "--measure", "bray-curtis", "--group-column", "Management",
                "--export", "run", "--report", "report.txt", "--quiet", "dune.csv"});
    ASSERT_EQ(ran.status, 0) << ran.err;
    ASSERT_TRUE(exists_in(batch, "dune.groups.csv"));
    const std::string members = file_in(batch, "run.members.csv");
    for (const char* name : {"BF", "HF", "NM", "SF"}) {
        EXPECT_NE(members.find(std::string(",") + name + ","), std::string::npos)
            << name << " missing from members.csv:\n"
            << members;
        EXPECT_NE(file_in(batch, "run.nwk").find(name), std::string::npos) << name;
    }

    const std::string windows = fresh_folder("names-windows");
    for (const char* f : {"dune.txt", "dune.groups.csv"})
        fs::copy_file(batch + "/" + f, windows + "/" + f);
    // A names file that no longer fits is named on standard error; the run
    // goes on with the stations' labels.
    std::ofstream(batch + "/dune.groups.csv") << "station,station_label,table_row,group,x\n";
    const Ran misfit = run_batch(batch, {"--seed", "31", "--quiet", "dune.txt"});
    EXPECT_EQ(misfit.status, 0) << misfit.err;
    EXPECT_NE(misfit.err.find("Group Names: The group names file \"dune.groups.csv\" does not fit"),
              std::string::npos)
        << misfit.err;

    if (!have_windows()) GTEST_SKIP() << "built without the windows";
    std::ofstream(windows + "/script.drive")
        << "seed 31\nanswer-all yes\nclick Form1.Command1\n"
        << "set Form2.Text1 " << windows << "/dune.txt\nset Form2.Text2 report.txt\n"
        << "tick Form2.CheckData\nclick Form2.Command1\nchoose Form3.RESMX[1]\n"
        << "click Form3.Command1\nclick Form4.Command1\nexport run\nclick FORM5.Command1\n";
    for (const std::string& failure : run_window_scripts({windows}))
        ADD_FAILURE() << "window session failed: " << failure;
    for (const char* f : {"run.members.csv", "run.results.csv", "run.nwk", "run.linkage.csv"})
        EXPECT_EQ(file_in(batch, f), file_in(windows, f)) << f;
}

}  // namespace
}  // namespace tw::test
