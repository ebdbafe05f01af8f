#pragma once
// A clock that asks for the windows' turn at a fixed interval, from its own
// thread. The core's pause points are counted down without reading the
// clock, so a stage whose pause points are far apart (one per linkage of a
// large clustering, or a window thread waiting for the bootstrap's workers)
// would otherwise let the windows in only seconds apart.

#include <chrono>
#include <functional>
#include <thread>

namespace tw::ui {

class TurnClock {
  public:
    // `tick` runs on the clock's thread every `interval` until destruction;
    // it must only set a flag.
    TurnClock(std::chrono::milliseconds interval, std::function<void()> tick);
    ~TurnClock();
    TurnClock(const TurnClock&) = delete;
    TurnClock& operator=(const TurnClock&) = delete;

  private:
    std::jthread thread_;
};

}  // namespace tw::ui
