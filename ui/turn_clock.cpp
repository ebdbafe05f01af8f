#include "ui/turn_clock.h"

#include <condition_variable>
#include <mutex>

namespace tw::ui {

TurnClock::TurnClock(std::chrono::milliseconds interval, std::function<void()> tick)
    : thread_([interval, tick = std::move(tick)](std::stop_token stop) {
          std::mutex mutex;
          std::condition_variable_any wake;
          std::unique_lock lock(mutex);
          while (!stop.stop_requested()) {
              // Wakes early only to stop.
              wake.wait_for(lock, stop, interval, [] { return false; });
              if (!stop.stop_requested()) tick();
          }
      }) {}

TurnClock::~TurnClock() {
    thread_.request_stop();
    thread_.join();
}

}  // namespace tw::ui
