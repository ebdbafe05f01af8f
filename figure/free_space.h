#pragma once
// Where a new text may go on a figure: every line, marker and text already
// placed is held in a grid of cells, so that finding whether a box is clear
// looks only at its neighbours, even in a tree of thousands of leaves.

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "figure/figure.h"

namespace tw {

// The box a line takes, with its width.
Box line_box(const FigureLine& l);
Box marker_box(const FigureMarker& m);

class FreeSpace {
  public:
    FreeSpace(double width, double height, double cell);

    // Everything on the figure so far.
    void take(const Figure& f);
    void take(const Box& b);
    // Inside the figure and clear of everything taken.
    bool clear(const Box& b) const;

  private:
    template <typename F>
    void each_cell(const Box& b, F&& f) const;

    double width_, height_, cell_;
    std::size_t columns_;
    std::vector<Box> boxes_;
    std::unordered_map<std::size_t, std::vector<std::size_t>> cells_;
};

}  // namespace tw
