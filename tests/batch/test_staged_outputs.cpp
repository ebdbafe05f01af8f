// A batch run's outputs appear all together, or not at all.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batch_process.h"
#include "cli/staged_outputs.h"

namespace tw::batch {

namespace {

using test::exists_in;
using test::file_in;

void write(StagedOutputs& outputs, const std::string& path, OpenMode mode, const std::string& s) {
    auto target = outputs.open(path, mode);
    ASSERT_TRUE(target);
    target->write(s);
}

std::size_t entries(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

}  // namespace

TEST(StagedOutputs, NothingAppearsUntilCommitThenEverythingDoes) {
    const std::string dir = test::fresh_folder("commit");
    StagedOutputs outputs;
    write(outputs, dir + "/report.txt", OpenMode::Write, "report\r\n");
    write(outputs, dir + "/CLUSTER.LST", OpenMode::Write, "clusters\r\n");
    EXPECT_FALSE(exists_in(dir, "report.txt"));
    EXPECT_EQ(outputs.commit(), "");
    EXPECT_EQ(file_in(dir, "report.txt"), "report\r\n");
    EXPECT_EQ(file_in(dir, "CLUSTER.LST"), "clusters\r\n");
    EXPECT_EQ(entries(dir), 2u);  // no temporary file left
}

TEST(StagedOutputs, DiscardLeavesEarlierFilesAsTheyWere) {
    const std::string dir = test::fresh_folder("discard");
    std::ofstream(dir + "/CLUSTER.LST") << "earlier";
    {
        StagedOutputs outputs;
        write(outputs, dir + "/CLUSTER.LST", OpenMode::Write, "half");
        write(outputs, dir + "/SIGLIST.TXT", OpenMode::Append, "line");
    }  // never committed
    EXPECT_EQ(file_in(dir, "CLUSTER.LST"), "earlier");
    EXPECT_FALSE(exists_in(dir, "SIGLIST.TXT"));
    EXPECT_EQ(entries(dir), 1u);
}

// SIGLIST.TXT is opened for appending once per linkage.
TEST(StagedOutputs, AppendsFollowTheRealFileAndEachOther) {
    const std::string dir = test::fresh_folder("append");
    std::ofstream(dir + "/SIGLIST.TXT") << "run 1\r\n";
    StagedOutputs outputs;
    write(outputs, dir + "/SIGLIST.TXT", OpenMode::Append, "link 1\r\n");
    write(outputs, dir + "/SIGLIST.TXT", OpenMode::Append, "link 2\r\n");
    EXPECT_EQ(file_in(dir, "SIGLIST.TXT"), "run 1\r\n");
    EXPECT_EQ(outputs.commit(), "");
    EXPECT_EQ(file_in(dir, "SIGLIST.TXT"), "run 1\r\nlink 1\r\nlink 2\r\n");
}

}  // namespace tw::batch
