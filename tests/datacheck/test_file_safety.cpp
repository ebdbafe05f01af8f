// The check only ever reads the file, and a file that stops short anywhere
// ends the check as if that were its last line.

#include <gtest/gtest.h>

#include <filesystem>

#include "check_fixture.h"
#include "datacheck/line_source.h"

namespace tw::test {
namespace {

TEST(FileSafety, CheckLeavesTheFileUntouched) {
    const std::string contents = well_formed_with(3, "STATION,\t\"Sp1\"") + "extra\r\n";
    CheckRun run;
    run.path = write_input_file("data.txt", contents);
    const auto stamp = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(run.path, stamp);
    std::filesystem::permissions(run.path, std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    run.answer_yes(10);
    run.check.read_pressed(run.path);
    EXPECT_EQ(run.press_to_end(), 7);
    EXPECT_EQ(run.faults().size(), 3u);  // quote, tab, too few labels
    EXPECT_EQ(bytes_of(run.path), contents);
    EXPECT_EQ(std::filesystem::last_write_time(run.path), stamp);
}

TEST(FileSafety, FileEndingEarlyInAnyStateEndsTheCheckCleanly) {
    // Lines kept from the well-formed file, and the press on which the check
    // then ends (0: on the first press).
    const int presses_by_lines_kept[] = {0, 1, 2, 3, 4, 4, 4, 5, 6};
    for (int kept = 0; kept <= 8; ++kept) {
        std::string file;
        for (int i = 0; i < kept; ++i) file += kWellFormedLines[i] + "\r\n";
        // With and without a line end after the last line.
        for (const std::string& contents : {file, file.substr(0, file.size() - 2 * (kept > 0))}) {
            CheckRun run;
            run.start(contents);
            const int presses = run.view.unloads ? 0 : run.press_to_end();
            EXPECT_EQ(presses, presses_by_lines_kept[kept]) << kept << " lines kept";
            EXPECT_TRUE(run.faults().empty()) << kept << " lines kept";
            EXPECT_EQ(run.view.unloads, 1) << kept << " lines kept";
            EXPECT_TRUE(run.host.visible(Window::Method)) << kept << " lines kept";
            EXPECT_FALSE(run.host.ended);
        }
    }
}

TEST(FileSafety, LinesEndAtAnyLineEndAndNothingIsReadAfterTheLast) {
    struct Case {
        std::string contents;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\n\n", {"a", "", ""}},
        {"\t x \r\n", {"\t x "}},
    };
    for (const auto& c : cases) {
        auto source = LineSource::open(write_input_file("lines.txt", c.contents));
        ASSERT_TRUE(source);
        std::vector<std::string> read;
        while (auto line = source->next_line()) read.push_back(*line);
        EXPECT_EQ(read, c.lines);
        EXPECT_TRUE(source->at_end());
        EXPECT_FALSE(source->next_line());
    }
}

}  // namespace
}  // namespace tw::test
