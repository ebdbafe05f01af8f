#pragma once
// One bootstrap replicate of a linkage: draw stations from its pool, average
// them into the member groups and cluster the groups again.

#include <cstdint>
#include <string>
#include <vector>

#include "bootstrap/random_source.h"
#include "bootstrap/resample.h"
#include "resemblance/resemblance.h"
#include "run/averaging.h"
#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"

namespace tw {

// What the test loop learns from one replicate.
struct ReplicateResult {
    RoutineExit exit = RoutineExit::Normal;
    float final_level = 0.0f;  // level of the replicate's last fusion (Normal exit only)
    Resemblance distance_flag = Resemblance::Similarity;  // which way that level points
};

// Everything a replicate writes. None of it is the observed run's: the
// observed AvgMatrix, GroupLabel, linkages and resemblance matrix stay as the
// observed run left them, because the windows still show them.
//
// The buffers are sized once per linkage and reused by its replicates: every
// entry a replicate reads has been written by that same replicate (drawn
// rows, averages, linkages), so nothing leaks from one replicate to the next.
struct ReplicateScratch {
    Matrix<float> BootDataMatrix;  // 0..PoolSize, 0..NumCols
    Matrix<float> BootAvgMatrix;   // 0..LinkSize(L), 0..NumCols
    std::vector<std::string> BootGroupLabel;
    MemberLists BootLinkMembers;             // linkages 1..PoolSize-1
    std::vector<std::int32_t> BootLinkSize;  // 0..PoolSize-1
    std::vector<float> BootLinkLevel;        // 0..PoolSize-1
    Workspace work;
    MeasureArrays measure_arrays;
    AveragingBuffers averaging;

    // Sizes the buffers for a pool of `pool_size` stations averaged into
    // `groups` member groups, reusing what is already there.
    void fit(std::int32_t pool_size, std::int32_t groups, std::int16_t num_cols);
};

// Runs one replicate of `link` (RunMode::Replicate), drawing from `stream`. Reads
// the data, the group sizes and the observed linkage's members from `ctx`;
// writes only `scratch` and, through the resemblance stage, the program-wide
// ResampleRetries. A resample exit carries no level.
ReplicateResult run_bootstrap_replicate(RunContext& ctx, Host& host, std::int32_t link,
                                        const SamplePool& pool, RandomSource& stream,
                                        ReplicateScratch& scratch);

// Whether a replicate's final fusion is at least as loose as the observed
// linkage: at or below the observed similarity, at or above the observed
// distance. Equal levels count in both directions.
inline bool at_or_beyond(float replicate_level, float observed_level, Resemblance distance_flag) {
    return distance_flag == Resemblance::Distance ? replicate_level >= observed_level
                                                  : replicate_level <= observed_level;
}

}  // namespace tw
