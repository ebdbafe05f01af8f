#pragma once
// The line under FORM5's progress bar: where the bootstrap test stands, how
// long it has taken and about how long it has still to go.

#include <QString>
#include <cstdint>

#include "run/host.h"

namespace tw::ui {

// "Linkage 3 of 9 - 120 of 900 replicates - 0:12 elapsed, about 1:30 left".
// The time left is the test's own estimate when it has one (the
// bootstrap's learns the cost of its linkages as it goes, bootstrap/
// time_left.h), otherwise the time so far scaled by the replicates still to
// do; it is left out until a second of work gives something to go on.
QString progress_text(const TestProgress& progress, std::int64_t elapsed_ms);

// A duration as "m:ss", or "h:mm:ss" from an hour on.
QString duration_text(std::int64_t ms);

// The progress bar's range and value as an int, scaled down when the
// replicate count of the whole test does not fit one.
struct BarSteps {
    int maximum = 0;
    int value = 0;
};
BarSteps bar_steps(const TestProgress& progress);

}  // namespace tw::ui
