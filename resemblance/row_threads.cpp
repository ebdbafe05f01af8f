#include "resemblance/row_threads.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tw {

namespace {

// The rows still to be computed, handed out in order.
class RowQueue {
  public:
    explicit RowQueue(std::int32_t n) : last_(n - 1) {}
    // The next row, or 0 when none is left or the work was stopped.
    std::int32_t take() {
        if (stopped_.load(std::memory_order_relaxed)) return 0;
        const std::int32_t j = next_.fetch_add(1, std::memory_order_relaxed);
        return j <= last_ ? j : 0;
    }
    void stop() { stopped_.store(true, std::memory_order_relaxed); }

  private:
    std::int32_t last_;
    std::atomic<std::int32_t> next_{1};
    std::atomic<bool> stopped_{false};
};

// Joins the workers however the calling thread leaves: after its last row,
// or with an exception from the host's yield (the program is ending). A
// worker never lets an exception out of its thread: the first one stops the
// others and is thrown again on the calling thread by finish().
class Workers {
  public:
    Workers(RowQueue& queue, unsigned count, const std::function<void(std::int32_t)>& row)
        : queue_(queue) {
        threads_.reserve(count);
        for (unsigned t = 0; t < count; ++t) threads_.emplace_back([this, &row] { work(row); });
    }
    ~Workers() {
        queue_.stop();  // only rows not yet started are left when this runs early
        join();
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    void finish() {
        join();
        if (error_) std::rethrow_exception(error_);
    }

  private:
    void work(const std::function<void(std::int32_t)>& row) {
        try {
            for (std::int32_t j = queue_.take(); j != 0; j = queue_.take()) row(j);
        } catch (...) {
            std::lock_guard lock(error_mutex_);
            if (!error_) error_ = std::current_exception();
            queue_.stop();
        }
    }
    void join() {
        for (std::thread& t : threads_)
            if (t.joinable()) t.join();
    }

    RowQueue& queue_;
    std::vector<std::thread> threads_;
    std::mutex error_mutex_;
    std::exception_ptr error_;
};

}  // namespace

unsigned resemblance_threads(unsigned requested, std::int32_t n, std::int32_t min_objects) {
    if (n < min_objects) return 1;
    if (requested != 0) return requested;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

void each_row_on_threads(Host& host, std::int32_t n, unsigned threads, std::int64_t yields_per_pair,
                         const std::function<void(std::int32_t)>& row) {
    RowQueue queue(n);
    Workers workers(queue, threads > 1 ? threads - 1 : 0, row);
    for (std::int32_t j = queue.take(); j != 0; j = queue.take()) {
        row(j);
        host.yield_for(std::int64_t{n - j} * yields_per_pair);
    }
    workers.finish();
}

}  // namespace tw
