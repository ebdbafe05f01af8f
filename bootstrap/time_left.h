#pragma once
// How long the rest of a bootstrap test will take, learnt from the test so
// far.
//
// A replicate of linkage L draws the stations of its pool and clusters its
// groups again. Its cost is taken as a + b * groups^k: a, the cost of the
// smallest replicates, is the median of those of linkages of two or three
// groups; k (between 1.7 and 2) and b are fitted, on a log scale, to the
// larger half of the linkages timed so far, whose cost is mostly the
// clustering. Which of the linkages still to come will be tested cannot be
// known: one that contains a significant linkage is not. Those that contain
// one already found are left out; each of the others is counted with the
// chance that none of the testable linkages below it, still undecided,
// turns out significant, at the share of tested linkages found so far.

#include <cstdint>
#include <vector>

#include "run/run_context.h"

namespace tw {

class TimeLeft {
  public:
    // The hierarchy of `ctx` (LinkMembers, LinkSize, RepCount), tested with
    // `num_boot` replicates per linkage.
    TimeLeft(const RunContext& ctx, std::int32_t num_boot);

    // Times in seconds from any fixed origin.
    void start_link(std::int32_t link, double now);
    void replicate_done(double now);
    // The linkage is over: `tested` when its replicates ran to the end,
    // `significant` when it was found so.
    void end_link(bool tested, bool significant, double now);

    // Seconds the test still needs after `now`; negative while nothing has
    // been timed.
    double seconds_left(double now);

  private:
    struct Link {
        double groups = 0;        // clustered by each replicate
        bool testable = false;    // its pool holds more than two stations
        bool found = false;       // tested and found significant
        std::int32_t parts[2]{};  // earlier linkages joined, 0 for a station
    };
    struct Fit {
        double a = 0;  // seconds per replicate of the smallest linkages
        double b = 0;  // and a + b * groups^k per replicate of the others
        double k = 1;
    };
    struct Timed {
        double groups = 0;
        double seconds = 0;  // per replicate
    };
    Fit fitted_cost() const;
    double expected_rest(const Fit& cost) const;

    std::vector<Link> links_;
    std::int32_t num_boot_ = 0;
    std::int32_t current_ = 0;
    std::int32_t decided_ = 0;  // linkages 1..decided_ have their verdicts
    double link_start_ = 0;
    std::int32_t link_replicates_ = 0;
    double last_replicate_ = 0;

    std::vector<Timed> timed_links_;  // the linkages tested so far
    double untested_seconds_ = 0;
    std::int32_t untested_ = 0;
    std::int32_t tested_ = 0;
    std::int32_t significant_ = 0;
    bool timed_ = false;

    // The estimate is worked out again at most this often (it walks every
    // linkage still to come); in between it counts down.
    double estimated_at_ = -1;
    double estimate_ = -1;
};

}  // namespace tw
