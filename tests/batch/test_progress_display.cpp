// The bootstrap's progress as a person watching a long test reads it.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/progress_display.h"

namespace tw::batch {

TEST(ProgressDisplay, TextSaysWhereTheTestIsAndHowLongIsLeft) {
    TestProgress p{3, 9, 300, 900};
    EXPECT_EQ(progress_text(p, 30.0),
              "linkage 3 of 9, 300 of 900 replicates, 0:30 elapsed, about 1:00 left");
    p.ms_left = 95000;  // the bootstrap's own estimate comes first
    EXPECT_EQ(progress_text(p, 30.0),
              "linkage 3 of 9, 300 of 900 replicates, 0:30 elapsed, about 1:35 left");
    p.replicates_done = 0;
    EXPECT_EQ(progress_text(p, 0.2), "linkage 3 of 9, 0 of 900 replicates, 0:00 elapsed");
    p.timing = true;  // before the test, its linkages are timed for the time left
    EXPECT_EQ(progress_text(p, 2.0), "timing linkage 3 of 9 for the time left, 0:02 elapsed");
}

TEST(ProgressDisplay, ClockTextCountsMinutesThenHours) {
    EXPECT_EQ(clock_text(59.4), "0:59");
    EXPECT_EQ(clock_text(61), "1:01");
    EXPECT_EQ(clock_text(3 * 3600 + 62), "3:01:02");
    EXPECT_EQ(clock_text(-5), "0:00");
}

TEST(ProgressDisplay, BarFillsWithTheShareOfReplicatesDone) {
    EXPECT_EQ(progress_bar({1, 2, 5, 10}, 0, 10).substr(0, 13), "[#####.....] ");
    EXPECT_EQ(progress_bar({2, 2, 10, 10}, 0, 4).substr(0, 7), "[####] ");
    EXPECT_EQ(progress_bar({0, 0, 0, 0}, 0, 4).substr(0, 7), "[....] ");
}

TEST(ProgressDisplay, TerminalRedrawsOneLineAndEndsItWhenTheTestEnds) {
    std::ostringstream out;
    ProgressDisplay display(out, true);
    display.update({1, 2, 0, 20});
    display.update({2, 2, 10, 20});  // a new linkage is always shown
    display.finish(true);
    const std::string s = out.str();
    EXPECT_EQ(s.find('\n'), s.size() - 1);
    EXPECT_NE(s.rfind("\r[########################] linkage 2 of 2, 20 of 20"), std::string::npos);
}

// The report on standard output shares the terminal with the bar.
TEST(ProgressDisplay, OtherOutputOnTheTerminalStartsBelowTheBar) {
    std::ostringstream out;
    ProgressDisplay display(out, true);
    display.update({1, 2, 0, 20});
    display.break_line();
    display.break_line();
    display.finish(true);
    const std::string s = out.str();
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 2);
    EXPECT_EQ(s.substr(s.find('\n') + 1, 1), "[");  // the final bar starts its own line
}

TEST(ProgressDisplay, LogGetsPlainLinesAndNotOnePerReplicate) {
    std::ostringstream out;
    ProgressDisplay display(out, false);
    for (int i = 0; i < 1000; ++i) display.update({1 + i / 100, 10, i, 1000});
    display.finish(true);
    const std::string s = out.str();
    EXPECT_EQ(s.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 2);  // the first and the end
    EXPECT_NE(s.find("linkage 10 of 10, 1000 of 1000 replicates"), std::string::npos);
}

TEST(ProgressDisplay, StoppedTestKeepsItsLastLine) {
    std::ostringstream out;
    ProgressDisplay display(out, false);
    display.update({1, 4, 0, 40});
    display.finish(false);
    EXPECT_EQ(out.str(), "linkage 1 of 4, 0 of 40 replicates, 0:00 elapsed\n");
}

}  // namespace tw::batch
