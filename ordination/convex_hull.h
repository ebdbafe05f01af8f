#pragma once
// The convex hull of a cluster's points, for drawing round it.

#include <vector>

namespace tw {

struct HullPoint {
    double x = 0, y = 0;
    friend bool operator==(const HullPoint&, const HullPoint&) = default;
};

// Andrew's monotone chain (1979): the corners in order round the hull,
// without repeats or points on its edges; one or two points come back as
// they are (without repeats).
std::vector<HullPoint> convex_hull(std::vector<HullPoint> points);

}  // namespace tw
