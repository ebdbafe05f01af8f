#pragma once
// How long the rest of a bootstrap test will take, from the linkages' probes
// (link_probes.h) and the test so far.
//
// The rest is the linkage under test, at the pace of its own replicates so
// far, and each linkage still to come counted with the chance that it is
// tested: none that contains a linkage already found significant, and each
// other one only if none of the testable linkages below it, still
// undecided, turns out significant (each with the chance its probe gave).
// A replicate of a linkage costs what its probe's cost, scaled by how the
// test's replicates have compared with their probes so far, apart for the
// linkages whose replicates share the cores and those that do not: under
// load the cores are not free, and the first linkages timed are small.
// Without probes, a replicate costs in proportion to its stations and its
// groups' pairs, at the rate the test has shown.

#include <cstdint>
#include <vector>

#include "bootstrap/link_probes.h"
#include "run/run_context.h"

namespace tw {

class TimeLeft {
  public:
    // The hierarchy of `ctx` (LinkMembers, LinkSize, RepCount), tested with
    // `num_boot` replicates per linkage at `alpha`; `probes` indexed by
    // linkage, or empty.
    TimeLeft(const RunContext& ctx, std::int32_t num_boot, float alpha,
             std::vector<LinkProbe> probes = {});

    // Times in seconds from any fixed origin.
    void start_link(std::int32_t link, double now);
    // `beyond`: the replicate's level met or passed the observed one.
    void replicate_done(bool beyond, double now);
    // The linkage is over: `tested` when its replicates ran to the end,
    // `significant` when it was found so.
    void end_link(bool tested, bool significant, double now);

    // Seconds the test still needs after `now`; negative while there is
    // nothing to go on.
    double seconds_left(double now);

  private:
    struct Link {
        double work = 0;          // stations drawn plus the groups' pairs
        bool testable = false;    // its pool holds more than two stations
        bool found = false;       // tested and found significant
        std::int32_t parts[2]{};  // earlier linkages joined, 0 for a station
        LinkProbe probe;
    };
    // How the test's replicates compare with their probes, for linkages
    // that share the cores and for those that do not.
    struct Pace {
        double seconds = 0;        // the test's, per replicate, summed
        double probe_seconds = 0;  // their probes'
        double ratio() const { return probe_seconds > 0 ? seconds / probe_seconds : 1.0; }
    };
    double replicate_cost(const Link& link) const;
    double chance_current_significant(double found_share) const;
    double expected_rest() const;

    std::vector<Link> links_;
    std::int32_t num_boot_ = 0;
    float alpha_ = 0;
    bool probed_ = false;
    std::int32_t current_ = 0;
    std::int32_t decided_ = 0;  // linkages 1..decided_ have their verdicts
    double link_start_ = 0;
    std::int32_t link_replicates_ = 0;
    std::int32_t link_beyond_ = 0;
    double last_replicate_ = 0;

    Pace pace_[2];             // [shares_cores]
    double work_seconds_ = 0;  // every tested linkage's seconds per replicate, summed
    double work_done_ = 0;     // and their work
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
