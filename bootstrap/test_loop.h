#pragma once
// The test of every linkage in fusion order: the nesting check, the pool,
// the replicate loop with its redraws, the verdict and the SIGLIST.TXT line.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bootstrap/link_probes.h"
#include "bootstrap/replicate.h"
#include "bootstrap/replicate_attempts.h"
#include "bootstrap/resample.h"
#include "bootstrap/test_settings.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

// Reason codes in LinkStat for linkages that are not tested.
inline constexpr float kNestedLink = -100.0f;      // contains a linkage already "S"
inline constexpr float kUntestableLink = -999.0f;  // a pool of two, or given up after redraws
inline constexpr float kStoppedLink = -300.0f;     // the user stopped the test before it

// Consecutive resample exits after which a linkage is given up.
inline constexpr std::int16_t kResampleLimit = 100;

// Resample exits of one linkage after which it is given up whatever the
// exits in a row: replicates that meet two empty objects only after some
// pairs were computed reset that count, so a pool of mostly empty stations
// could otherwise be drawn for hours. At this limit fewer than one draw in a
// hundred can be computed at all.
inline std::int64_t redraw_limit(std::int32_t num_boot) {
    return std::int64_t{kResampleLimit} * (num_boot < 1 ? 1 : num_boot);
}

// Runs one replicate of a linkage.
using ReplicateRunner = std::function<ReplicateResult(std::int32_t link, const SamplePool& pool)>;

struct LoopResult {
    bool abandoned = false;  // the resemblance stage abandoned a replicate
    std::int32_t abandoned_link = 0;
    bool stopped = false;           // the user stopped the test
    std::int32_t stopped_link = 0;  // the first linkage left without a verdict
};

// Before the first replicate: keep the observed LinkI/LinkJ in LinkPair (the
// windows and the results read them after the test) and start LinkRedrawn
// empty for every linkage.
void prepare_link_records(RunContext& ctx);

// Tests linkages 1..NumGroups-1, writing LinkStat, SIG ("S"/"NS" for tested
// linkages only), LinkRedrawn and the SIGLIST.TXT lines. Stops at once when
// a replicate is abandoned, and before the next replicate once the host
// says the user asked to stop; the host hears of the progress at the start
// of every linkage and after every replicate, with the time left worked out
// from `probes` (link_probes.h) when there are any.
LoopResult run_test_loop(RunContext& ctx, Host& host, const TestSettings& settings,
                         ReplicateAttempts& attempts, std::vector<LinkProbe> probes = {});

// The same with every attempt run by `replicate`, whatever its number.
LoopResult run_test_loop(RunContext& ctx, Host& host, const TestSettings& settings,
                         const ReplicateRunner& replicate);

// Whether linkage `link` contains an earlier linkage marked "S": one of the
// clusters below it in the merge tree. The walk visits only those clusters,
// at most the linkage's size, and stops at the first significant one.
bool contains_significant_link(const RunContext& ctx, Host& host, std::int32_t link);

// The same answer for every linkage 1..NumGroups-1 at once (index 0
// unused), in one pass up the merge tree: for the results after a stopped
// test, where thousands of linkages ask.
std::vector<bool> links_containing_significant(const RunContext& ctx);

// "S" when P = count / NumBoot is significant at alpha (significance.h),
// else "NS".
std::string verdict(float count, std::int32_t num_boot, float alpha);

}  // namespace tw
