#pragma once
// What one replicate attempt did to the program-wide ResampleRetries.
//
// The resemblance stage sets the counter to 0 after every pair it computes
// and adds 1 at a resample exit, so an attempt either leaves it alone, adds
// to it, or sets it outright. An attempt run on another thread is measured
// from a start far above any real count, and the window thread applies the
// effect to the real counter when the attempt's turn comes.

#include <cstdint>

namespace tw {

// A start no real count reaches (a linkage is given up at 100).
inline constexpr std::int16_t kRetriesMeasureStart = 1000;

struct RetryEffect {
    bool sets = false;       // true: the counter becomes `value`
    std::int16_t value = 0;  // false: `value` is added to it

    std::int16_t apply(std::int16_t before) const {
        return sets ? value : static_cast<std::int16_t>(before + value);
    }

    // The effect of an attempt that started at kRetriesMeasureStart and
    // left the counter at `after`.
    static RetryEffect measured(std::int16_t after) {
        if (after >= kRetriesMeasureStart)
            return {false, static_cast<std::int16_t>(after - kRetriesMeasureStart)};
        return {true, after};
    }
};

}  // namespace tw
