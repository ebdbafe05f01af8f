#pragma once
// Where the test loop gets the attempts at a linkage's replicates from.
//
// The loop asks for them strictly in order on the window thread: replicate 1
// attempt 1, then attempt 2 if attempt 1 ended in a resample exit, ..., then
// replicate 2 attempt 1. Whatever runs the attempts, the loop sees what a
// run of them in that order shows: the same printed notes, the same
// ResampleRetries, the same questions at the same replicate.

#include <cstdint>

#include "bootstrap/random_source.h"
#include "bootstrap/replicate.h"
#include "bootstrap/resample.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

class ReplicateAttempts {
  public:
    virtual ~ReplicateAttempts() = default;

    // The replicate loop of `link` begins; `pool` stays valid until end_link.
    virtual void start_link(std::int32_t link, const SamplePool& pool, std::int32_t num_boot) = 0;
    // The loop of the linkage is over, finished or stopped early.
    virtual void end_link() {}

    // Attempt `attempt` (from 1) of replicate `number` of the current
    // linkage; after a resample exit the loop asks for the next attempt.
    virtual ReplicateResult attempt(std::int32_t number, std::int32_t attempt) = 0;
};

// Runs every attempt itself, on the calling thread, with the window host:
// the plain replicate loop, and the window thread's share of a parallel one.
class SequentialAttempts : public ReplicateAttempts {
  public:
    SequentialAttempts(RunContext& ctx, Host& host, std::uint64_t test_seed)
        : ctx_(ctx), host_(host), seed_(test_seed) {}

    void start_link(std::int32_t link, const SamplePool& pool, std::int32_t num_boot) override;
    ReplicateResult attempt(std::int32_t number, std::int32_t attempt) override;

  private:
    RunContext& ctx_;
    Host& host_;
    std::uint64_t seed_;
    std::int32_t link_ = 0;
    const SamplePool* pool_ = nullptr;
    RandomSource stream_;
    ReplicateScratch scratch_;
};

}  // namespace tw
