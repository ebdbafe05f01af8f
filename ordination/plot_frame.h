#pragma once
// A rectangle of data drawn in figure units: the scale and offset of each
// axis, the frame around it and its round ticks, for the ordination's two
// figures.

#include <string>

#include "figure/axis_ticks.h"
#include "figure/figure.h"
#include "figure/publication_layout.h"

namespace tw {

struct DataRange {
    double low = 0, high = 1;
};

struct PlotFrame {
    Box area;  // in figure units
    double x_scale = 1, y_scale = 1;
    double x_origin = 0, y_origin = 0;  // data values at area.left and area.bottom
    AxisTicks x_ticks, y_ticks;

    double fx(double x) const { return area.left + (x - x_origin) * x_scale; }
    double fy(double y) const { return area.bottom - (y - y_origin) * y_scale; }
};

// The area left inside a page of `width` x `height` below a header of
// `header_h` once the tick labels and axis titles have their room; with
// `equal` both axes take one scale (the smaller) and the data sit centred.
PlotFrame plot_frame(double width, double height, double margin, double header_h, double font,
                     DataRange x, DataRange y, bool equal, const TextWidth& width_of);

// The frame, ticks, tick labels and axis titles.
void draw_frame(const PlotFrame& f, const std::string& x_title, const std::string& y_title,
                double font, const TextWidth& width_of, Figure& out);

}  // namespace tw
