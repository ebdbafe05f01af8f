#include "figure/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tw {

namespace {

// The round step nearest above range / wanted.
double round_step(double range, int wanted) {
    const double raw = range / std::max(wanted, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw * (1 - 1e-9)) return m * power;
    }
    return 10 * power;
}

}  // namespace

std::string AxisTicks::label(double value) const {
    if (std::abs(value) < 1e-12) value = 0;  // no "-0.0"
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

AxisTicks axis_ticks(double smallest, double largest, bool distance, int wanted) {
    if (distance && smallest >= 0) smallest = 0;
    if (largest - smallest <= 0) {
        const double pad = std::max(std::abs(largest) * 0.1, 0.5);
        smallest -= pad;
        largest += pad;
    }
    const double step = round_step(largest - smallest, wanted);
    AxisTicks t;
    t.low = std::floor(smallest / step + 1e-9) * step;
    t.high = std::ceil(largest / step - 1e-9) * step;
    const auto count = static_cast<int>(std::llround((t.high - t.low) / step));
    for (int i = 0; i <= count; ++i) t.values.push_back(t.low + step * i);
    t.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    return t;
}

}  // namespace tw
