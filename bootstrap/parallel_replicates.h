#pragma once
// The replicates of a linkage spread over several threads.
//
// Worker threads run replicates ahead of the window thread, each with its
// own copy of the run's inputs, its own buffers, and a host that shows
// nothing (worker_host.h). The window thread takes their results strictly
// in replicate order, prints what each attempt printed, applies its effect
// on ResampleRetries and makes every decision (count, redraw, give up)
// exactly as a run of the replicates one after another would. Attempts that
// need the window thread, a question or an error to report, are run there
// again when their turn comes, from the same stream. Work done ahead of a
// give-up or an abandon is thrown away.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "bootstrap/captured_output.h"
#include "bootstrap/replicate_attempts.h"
#include "bootstrap/retry_effect.h"
#include "bootstrap/test_loop.h"
#include "bootstrap/worker_host.h"

namespace tw {

class ParallelAttempts : public ReplicateAttempts {
  public:
    // `threads` workers (at least 1), each with its own copy of the inputs.
    ParallelAttempts(RunContext& ctx, Host& host, std::uint64_t test_seed, unsigned threads);
    ~ParallelAttempts() override;
    ParallelAttempts(const ParallelAttempts&) = delete;
    ParallelAttempts& operator=(const ParallelAttempts&) = delete;

    void start_link(std::int32_t link, const SamplePool& pool, std::int32_t num_boot) override;
    void end_link() override;
    ReplicateResult attempt(std::int32_t number, std::int32_t attempt) override;

  private:
    struct Worker {
        RunContext ctx;
        WorkerHost host;
        ReplicateScratch scratch;
        RandomSource stream;
    };
    struct RecordedAttempt {
        ReplicateResult result;
        RetryEffect retries;
        std::size_t messages_end = 0;  // where its output ends in the captures
        std::size_t link_table_end = 0;
    };
    // One replicate's attempts, as far as a worker could take them.
    struct Slot {
        bool ready = false;  // guarded by mutex_
        std::vector<RecordedAttempt> attempts;
        CapturedOutput messages;
        CapturedOutput link_table;
    };

    void work(Worker& worker);
    std::int32_t claim();
    void record(Worker& worker, std::int32_t number, Slot& slot);
    bool run_attempt(Worker& worker, std::int32_t number, std::int32_t attempt,
                     Slot& slot) noexcept;
    void publish(Slot& slot, std::int32_t number);
    const Slot& take(std::int32_t number);
    ReplicateResult replay(const Slot& slot, std::int32_t attempt);
    Slot& slot_of(std::int32_t number);

    RunContext& ctx_;
    Host& host_;
    std::uint64_t seed_;
    SequentialAttempts window_;  // the attempts the window thread runs itself
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<Slot> slots_;  // replicate b in slots_[b % size]
    std::vector<std::thread> threads_;

    // Set before the workers start and fixed while they run.
    std::int32_t link_ = 0;
    std::int32_t num_boot_ = 0;
    const SamplePool* pool_ = nullptr;

    std::mutex mutex_;
    std::condition_variable claimable_;  // a slot came free, or stop
    std::condition_variable published_;  // a replicate is ready
    std::int32_t next_ = 1;              // next replicate to hand out
    std::int32_t released_ = 0;          // replicates 1..released_ are done with
    std::atomic<bool> stop_{false};
    std::atomic<bool> poor_fit_warned_{false};
    std::int32_t current_ = 0;  // the replicate the window thread is reading
    std::int32_t wake_at_ = 0;  // a waiting window thread also wakes when this one is ready
};

// Whether the replicates of `link` are large enough to run on the worker
// threads: smaller ones take about what handing one to another thread and
// back costs (RunSettings::bootstrap_thread_min_work).
bool replicates_share_cores(const RunContext& ctx, std::int32_t link, const SamplePool& pool);

// Threads the settings ask for: bootstrap_threads, or every core when 0.
unsigned bootstrap_thread_count(const RunSettings& settings);

// The test loop with the replicates drawn by bootstrap_thread_count threads
// (on the window thread alone when that is 1), every attempt from its own
// stream of the test's seed.
LoopResult run_test_loop_on_threads(RunContext& ctx, Host& host, const TestSettings& settings);

}  // namespace tw
