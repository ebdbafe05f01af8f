#pragma once
// The bootstrap test's progress on standard error: a bar redrawn in place on
// a terminal, an occasional plain line when the output goes to a file or a
// pipe (a log should not fill with thousands of lines).

#include <chrono>
#include <ostream>
#include <string>

#include "run/host.h"

namespace tw::batch {

// "linkage 3 of 9, 120 of 900 replicates, 0:05 elapsed, about 0:30 left";
// the estimate is left out until a replicate has finished.
std::string progress_text(const TestProgress& progress, double elapsed_seconds);
// "[#######.............] " followed by progress_text, for a terminal line.
std::string progress_bar(const TestProgress& progress, double elapsed_seconds, int width = 24);
// Seconds as m:ss, or h:mm:ss from an hour on.
std::string clock_text(double seconds);

class ProgressDisplay {
  public:
    using Clock = std::chrono::steady_clock;

    ProgressDisplay(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    void update(const TestProgress& progress);
    // Something else is about to be written to the same terminal (the report
    // on standard output): the bar's line is ended first; the next update
    // draws it afresh below.
    void break_line();
    // The test has ended: a completed test shows its full bar or line with
    // the whole time taken; a stopped one leaves the last one shown.
    void finish(bool completed);

  private:
    double elapsed() const;

    std::ostream& out_;
    bool terminal_;
    bool started_ = false;
    bool shown_ = false;
    bool line_open_ = false;  // a terminal bar without its line end
    Clock::time_point start_{};
    Clock::time_point last_shown_{};
    std::int32_t last_linkage_ = 0;
    TestProgress last_{};
};

}  // namespace tw::batch
