#pragma once
// The permutations of one node spread over threads without letting the
// thread count change a single bit of the result.
//
// The permutations are cut into a fixed number of lanes, each a run of
// consecutive permutations worked through in order by whichever thread
// claims it. A lane's sums therefore depend only on the lane, and adding the
// lanes in their own order gives the same mean profile on 1 thread or 16.

#include <cstdint>
#include <functional>

namespace tw {

// Lanes per node: enough to keep the usual core counts busy, few enough that
// their partial sums stay small beside the resemblance matrix.
inline constexpr std::int32_t kPermutationLanes = 16;

// Permutations [first, last) of lane `lane` when `count` are cut into `lanes`.
struct LaneRange {
    std::int32_t first = 0;
    std::int32_t last = 0;
};
LaneRange lane_range(std::int32_t count, std::int32_t lanes, std::int32_t lane);

// Runs work(lane, worker) once for every lane 0..lanes-1, on `threads`
// threads: worker 0 is the calling thread, the only one that may touch the
// windows. An exception from any worker stops the others at their next lane
// and is rethrown here once every thread has finished.
void run_lanes(std::int32_t lanes, unsigned threads,
               const std::function<void(std::int32_t lane, unsigned worker)>& work);

}  // namespace tw
