#pragma once
// The line under FORM5's progress bar: where the bootstrap test stands, how
// long it has taken and about how long it has still to go.

#include <QString>
#include <cstdint>
#include <vector>

#include "run/host.h"

namespace tw::ui {

// "Linkage 3 of 9 - 120 of 900 replicates - 0:12 elapsed, about 1:30 left".
// The time left is the time so far scaled by the work still to do; it is
// left out until a second of work gives something to scale.
// With `cumulative_work` (entry L: the work of the replicates of linkages 1
// to L, as from cumulative_linkage_work) the work done and left are weighed
// by it instead of counted in replicates.
QString progress_text(const TestProgress& progress, std::int64_t elapsed_ms,
                      const std::vector<double>& cumulative_work = {});

// The bootstrap's work up to each linkage, 0..linkages. A replicate of
// linkage L draws the stations of its `link_size[L]` groups and clusters
// those groups again, so later linkages cost more than the first ones. The
// core's own guess (stations + groups squared) weighs the last linkages far
// too much here: in structured data they contain a significant linkage and
// are not tested at all. Taken as growing with the groups joined, the time
// left on surveys of 300 groups was within about 35 to 45% either way after
// a tenth of the test, where counting replicates said a quarter to a
// thirtieth of the true time.
std::vector<double> cumulative_linkage_work(const std::vector<std::int32_t>& link_size,
                                            std::int32_t linkages, double stations_per_group);

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
