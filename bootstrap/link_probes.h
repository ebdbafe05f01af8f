#pragma once
// A few replicates of every testable linkage, drawn before the test from
// streams of their own, that tell the time left what the test alone learns
// too late: what a replicate of the large linkages costs on this machine,
// with the threads their test will use, and which linkages will likely be
// found significant (the linkages above those are not tested, and on most
// surveys they are the costliest).
//
// The probes run on private copies of the run's inputs with a host that
// shows nothing, so the test's counts, notes and ResampleRetries are those
// of a test without them. They cost about `replicates` / NumBoot of the
// test (20 replicates of a pool of up to five stations, whose replicates
// take microseconds).

#include <cstdint>
#include <vector>

#include "run/host.h"
#include "run/run_context.h"

namespace tw {

struct LinkProbe {
    double seconds = -1;        // wall seconds per replicate; negative: not probed
    double significant = 0;     // the chance that its test finds it significant
    bool shares_cores = false;  // its replicates run on the worker threads
};

struct ProbeSettings {
    std::int32_t replicates = 0;  // per linkage
    float alpha = 0.0f;
    std::uint64_t test_seed = 0;
    unsigned threads = 1;  // as the test will use them
};

// Replicates a probe draws per linkage: a hundredth of the test's, within
// limits that keep the estimate of P useful and the probe cheap; none for
// a test of fewer than 100.
std::int32_t probe_replicates(std::int32_t num_boot);

// Probes linkages 1..NumGroups-1 (index 0 unused; a pool of two stations is
// not probed). Yields to `host` after each replicate and returns nothing
// once it asks to stop.
std::vector<LinkProbe> probe_links(const RunContext& ctx, Host& host,
                                   const ProbeSettings& settings);

// The standard normal's upper tail: P(Z > z).
double normal_upper_tail(double z);

// The chance that a test finds a linkage significant at `alpha`, from the
// final `levels` of a few replicates against its `observed` level: beyond
// it are larger distances, or smaller similarities.
double significance_chance(const std::vector<float>& levels, float observed, bool distance,
                           float alpha);

}  // namespace tw
