#include "figure/free_space.h"

#include <algorithm>
#include <cmath>

namespace tw {

Box line_box(const FigureLine& l) {
    const double h = l.width / 2;
    return {std::min(l.x1, l.x2) - h, std::min(l.y1, l.y2) - h, std::max(l.x1, l.x2) + h,
            std::max(l.y1, l.y2) + h};
}

Box marker_box(const FigureMarker& m) {
    const double r = m.size / 2;
    return {m.x - r, m.y - r, m.x + r, m.y + r};
}

FreeSpace::FreeSpace(double width, double height, double cell)
    : width_(width),
      height_(height),
      cell_(cell),
      columns_(static_cast<std::size_t>(std::ceil(width / cell)) + 1) {}

template <typename F>
void FreeSpace::each_cell(const Box& b, F&& f) const {
    const auto index = [&](double v, double limit) {
        return static_cast<std::size_t>(std::clamp(v, 0.0, limit) / cell_);
    };
    const std::size_t c0 = index(b.left, width_), c1 = index(b.right, width_);
    const std::size_t r0 = index(b.top, height_), r1 = index(b.bottom, height_);
    for (std::size_t r = r0; r <= r1; ++r)
        for (std::size_t c = c0; c <= c1; ++c) f(r * columns_ + c);
}

void FreeSpace::take(const Figure& f) {
    for (const FigureLine& l : f.lines) take(line_box(l));
    for (const FigureMarker& m : f.markers) take(marker_box(m));
    for (const FigureText& t : f.texts) take(t.box);
}

void FreeSpace::take(const Box& b) {
    const std::size_t k = boxes_.size();
    boxes_.push_back(b);
    each_cell(b, [&](std::size_t cell) { cells_[cell].push_back(k); });
}

bool FreeSpace::clear(const Box& b) const {
    if (b.left < 0 || b.top < 0 || b.right > width_ || b.bottom > height_) return false;
    bool free = true;
    each_cell(b, [&](std::size_t cell) {
        if (!free) return;
        const auto it = cells_.find(cell);
        if (it == cells_.end()) return;
        for (std::size_t k : it->second) {
            if (boxes_[k].overlaps(b)) {
                free = false;
                return;
            }
        }
    });
    return free;
}

}  // namespace tw
