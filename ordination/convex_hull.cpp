#include "ordination/convex_hull.h"

#include <algorithm>

namespace tw {

namespace {

double turn(const HullPoint& o, const HullPoint& a, const HullPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

std::vector<HullPoint> convex_hull(std::vector<HullPoint> points) {
    std::sort(points.begin(), points.end(), [](const HullPoint& a, const HullPoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3) return points;
    std::vector<HullPoint> hull(2 * points.size());
    std::size_t k = 0;
    for (const HullPoint& p : points) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], p) <= 0) --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

}  // namespace tw
