#include "bootstrap/parallel_replicates.h"
#include "run/array_index.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "bootstrap/link_probes.h"
#include "bootstrap/random_source.h"
#include "bootstrap/replicate_inputs.h"
#include "bootstrap/replicate_streams.h"
#include "run/seed_text.h"

namespace tw {

namespace {

// How far the workers may run ahead of the window thread, in replicates per
// worker: enough to keep them busy while the window thread prints, little
// enough that the captures stay small.
constexpr std::size_t kSlotsPerWorker = 8;

// How long the window thread waits for a replicate before it lets the
// windows repaint.
constexpr std::chrono::milliseconds kWaitSlice{5};

// Replicates a waiting window thread lets the workers finish before it
// wakes: a wake-up per replicate cost as much as a small replicate itself.
constexpr std::int32_t kWakeBatch = 8;
static_assert(kWakeBatch <= static_cast<std::int32_t>(kSlotsPerWorker));

}  // namespace

// A replicate's size counts the stations drawn and the groups' pairs.
bool replicates_share_cores(const RunContext& ctx, std::int32_t link, const SamplePool& pool) {
    const std::int64_t groups = ctx.LinkSize[at(link)];
    const std::int64_t stations = static_cast<std::int64_t>(pool.size()) - 1;
    return (stations + groups * groups) * ctx.NumCols >= ctx.settings.bootstrap_thread_min_work;
}

ParallelAttempts::ParallelAttempts(RunContext& ctx, Host& host, std::uint64_t test_seed,
                                   unsigned threads)
    : ctx_(ctx),
      host_(host),
      seed_(test_seed),
      window_(ctx, host, test_seed),
      slots_(std::max(threads, 1u) * kSlotsPerWorker) {
    for (unsigned i = 0; i < std::max(threads, 1u); ++i) {
        workers_.push_back(std::make_unique<Worker>());
        copy_replicate_inputs(ctx, workers_.back()->ctx);
    }
}

ParallelAttempts::~ParallelAttempts() {
    end_link();
}

void ParallelAttempts::start_link(std::int32_t link, const SamplePool& pool,
                                  std::int32_t num_boot) {
    window_.start_link(link, pool, num_boot);
    link_ = link;
    pool_ = &pool;
    num_boot_ = num_boot;
    next_ = 1;
    released_ = 0;
    current_ = 0;
    wake_at_ = 0;
    stop_ = false;
    for (Slot& slot : slots_) slot.ready = false;
    poor_fit_warned_ = ctx_.PoorFitWarned;

    // Small replicates take a few tens of microseconds, about what handing
    // one to another thread and back costs. The counts are the same either way.
    const bool worth_it = replicates_share_cores(ctx_, link, pool);
    const std::size_t wanted = worth_it ? std::min(workers_.size(), at(std::max(num_boot, 0))) : 0;
    for (std::size_t i = 0; i < wanted; ++i) {
        // A system that will not start another thread still gets its test
        // done: the workers already running, or else the window thread
        // alone, run the replicates.
        try {
            threads_.emplace_back([this, &worker = *workers_[i]] { work(worker); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

void ParallelAttempts::end_link() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    claimable_.notify_all();
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
}

ReplicateResult ParallelAttempts::attempt(std::int32_t number, std::int32_t attempt) {
    if (threads_.empty()) return window_.attempt(number, attempt);
    const Slot& slot = take(number);
    if (at(attempt) <= slot.attempts.size()) return replay(slot, attempt);
    // The workers left this attempt to the window thread: it asks a
    // question there, or reports the error it met.
    const ReplicateResult result = window_.attempt(number, attempt);
    poor_fit_warned_ = ctx_.PoorFitWarned;
    return result;
}

ParallelAttempts::Slot& ParallelAttempts::slot_of(std::int32_t number) {
    return slots_[at(number) % slots_.size()];
}

// ---- worker side -------------------------------------------------------

void ParallelAttempts::work(Worker& worker) {
    for (std::int32_t number = claim(); number != 0; number = claim()) {
        Slot& slot = slot_of(number);
        record(worker, number, slot);
        publish(slot, number);
    }
}

// The next replicate to run, once its slot is free; 0 when there is none.
std::int32_t ParallelAttempts::claim() {
    std::unique_lock lock(mutex_);
    claimable_.wait(
        lock, [&] { return stop_ || next_ > num_boot_ || at(next_ - released_) <= slots_.size(); });
    if (stop_ || next_ > num_boot_) return 0;
    return next_++;
}

// Runs attempts of replicate `number` until one is not a resample exit, or
// until the exits in a row make a give-up certain whatever ResampleRetries
// stands at, or the exits of this replicate alone reach the linkage's redraw
// limit, or until an attempt needs the window thread.
void ParallelAttempts::record(Worker& worker, std::int32_t number, Slot& slot) {
    slot.attempts.clear();
    slot.messages.reset();
    slot.link_table.reset();
    std::int16_t lowest = 0;  // the least the counter can be after the attempts so far
    for (std::int32_t attempt = 1; !stop_; ++attempt) {
        if (!run_attempt(worker, number, attempt, slot)) return;
        const RecordedAttempt& done = slot.attempts.back();
        if (done.result.exit != RoutineExit::Resample) return;
        lowest = done.retries.apply(lowest);
        if (lowest >= kResampleLimit || attempt >= redraw_limit(num_boot_)) return;
    }
}

// Runs one attempt and records it; false when the window thread must run it.
// Nothing may leave a worker thread: whatever fails here, an allocation for
// the record included, the window thread runs the attempt again itself and
// reports the failure there.
bool ParallelAttempts::run_attempt(Worker& worker, std::int32_t number, std::int32_t attempt,
                                   Slot& slot) noexcept {
    try {
        worker.ctx.PoorFitWarned = poor_fit_warned_;
        worker.ctx.ResampleRetries = kRetriesMeasureStart;
        worker.host.capture_into(slot.messages, slot.link_table);
        seed_replicate_stream(worker.stream, seed_, ReplicateId{link_, number, attempt});
        const ReplicateResult result = run_bootstrap_replicate(
            worker.ctx, worker.host, link_, *pool_, worker.stream, worker.scratch);
        if (worker.host.asked() || result.exit == RoutineExit::Abandoned) return false;
        RecordedAttempt done{result, RetryEffect::measured(worker.ctx.ResampleRetries),
                             slot.messages.close_piece(), slot.link_table.close_piece()};
        slot.attempts.push_back(std::move(done));
        return true;
    } catch (...) {
        return false;
    }
}

void ParallelAttempts::publish(Slot& slot, std::int32_t number) {
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        slot.ready = true;
        wake = number == current_ || number == wake_at_;
    }
    if (wake) published_.notify_one();
}

// ---- window thread side ------------------------------------------------

// The slot of replicate `number` once a worker has published it. Every
// earlier replicate is done with, so its slot goes back to the workers.
// The windows repaint while the window thread waits.
const ParallelAttempts::Slot& ParallelAttempts::take(std::int32_t number) {
    std::unique_lock lock(mutex_);
    if (number != current_) {
        if (current_ > 0) slot_of(current_).ready = false;
        current_ = number;
        released_ = number - 1;
        claimable_.notify_all();
    }
    Slot& slot = slot_of(number);
    if (slot.ready) return slot;
    // Every replicate up to wake_at_ is claimed in order and within the
    // slots the workers may fill, so they all get published.
    wake_at_ = std::min(number + kWakeBatch - 1, num_boot_);
    const Slot& last = slot_of(wake_at_);
    while (!published_.wait_for(lock, kWaitSlice, [&] { return slot.ready && last.ready; })) {
        lock.unlock();
        host_.yield();
        lock.lock();
    }
    return slot;
}

// Shows what the attempt printed and leaves ResampleRetries as the attempt
// would have left it on the window thread.
ReplicateResult ParallelAttempts::replay(const Slot& slot, std::int32_t attempt) {
    const std::size_t i = at(attempt - 1);
    const RecordedAttempt& done = slot.attempts[i];
    const RecordedAttempt* before = i > 0 ? &slot.attempts[i - 1] : nullptr;
    slot.messages.replay(host_.messages(), before ? before->messages_end : 0, done.messages_end);
    slot.link_table.replay(host_.link_table(), before ? before->link_table_end : 0,
                           done.link_table_end);
    ctx_.ResampleRetries = done.retries.apply(ctx_.ResampleRetries);
    return done.result;
}

// ---- choosing the threads ----------------------------------------------

unsigned bootstrap_thread_count(const RunSettings& settings) {
    if (settings.bootstrap_threads != 0) return settings.bootstrap_threads;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

LoopResult run_test_loop_on_threads(RunContext& ctx, Host& host, const TestSettings& settings) {
    const SeedEntry chosen = chosen_seed(ctx.settings);
    const std::uint64_t seed = chosen.source == SeedSource::Typed ? chosen.value : test_seed(0);
    const unsigned threads = bootstrap_thread_count(ctx.settings);
    ctx.Results.seed = seed;
    ctx.Results.threads = threads;
    std::vector<LinkProbe> probes = probe_links(
        ctx, host,
        ProbeSettings{probe_replicates(settings.num_boot), settings.alpha, seed, threads});
    if (threads <= 1) {
        SequentialAttempts attempts(ctx, host, seed);
        return run_test_loop(ctx, host, settings, attempts, std::move(probes));
    }
    ParallelAttempts attempts(ctx, host, seed, threads);
    return run_test_loop(ctx, host, settings, attempts, std::move(probes));
}

}  // namespace tw
