#include "simprof/permutation_lanes.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tw {

LaneRange lane_range(std::int32_t count, std::int32_t lanes, std::int32_t lane) {
    const auto bound = [&](std::int32_t l) {
        return static_cast<std::int32_t>(std::int64_t{count} * l / lanes);
    };
    return {bound(lane), bound(lane + 1)};
}

void run_lanes(std::int32_t lanes, unsigned threads,
               const std::function<void(std::int32_t lane, unsigned worker)>& work) {
    std::atomic<std::int32_t> next{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failure_mutex;
    const auto worker = [&](unsigned index) {
        try {
            for (std::int32_t lane = next++; lane < lanes && !stop; lane = next++)
                work(lane, index);
        } catch (...) {
            stop = true;
            const std::lock_guard<std::mutex> lock(failure_mutex);
            if (!failure) failure = std::current_exception();
        }
    };

    std::vector<std::thread> helpers;
    const unsigned wanted = threads < 1 ? 1 : threads;
    for (unsigned i = 1; i < wanted && static_cast<std::int32_t>(i) < lanes; ++i) {
        try {
            helpers.emplace_back(worker, i);
        } catch (const std::system_error&) {
            break;  // no more threads to be had: the ones running share the lanes
        }
    }
    worker(0);
    for (std::thread& t : helpers) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tw
