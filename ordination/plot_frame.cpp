#include "ordination/plot_frame.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

constexpr double kTick = 4;

DataRange padded(DataRange r) {
    if (!(r.high > r.low)) {
        r.low -= 0.5;
        r.high += 0.5;
    }
    const double pad = (r.high - r.low) * 0.06;
    return {r.low - pad, r.high + pad};
}

double widest_tick(const AxisTicks& t, double size, const TextWidth& width_of) {
    double w = 0;
    for (double v : t.values) w = std::max(w, width_of(t.label(v), size));
    return w;
}

}  // namespace

PlotFrame plot_frame(double width, double height, double margin, double header_h, double font,
                     DataRange x, DataRange y, bool equal, const TextWidth& width_of) {
    x = padded(x);
    y = padded(y);
    PlotFrame f;
    const double lh = line_height(font);
    // Ticks of the data alone first, for the room their labels take.
    const AxisTicks y_first = axis_ticks(y.low, y.high, false);
    f.area.left = margin + lh + 4 + widest_tick(y_first, font, width_of) + kTick + 2;
    f.area.right = width - margin - width_of("0.0", font) / 2;
    f.area.top = margin + header_h;
    f.area.bottom = height - margin - 2 * lh - kTick - 4;
    double xs = f.area.width() / (x.high - x.low), ys = f.area.height() / (y.high - y.low);
    if (equal) xs = ys = std::min(xs, ys);
    f.x_scale = xs;
    f.y_scale = ys;
    // Centre the data in the area: the spare length goes equally both ways.
    f.x_origin = (x.low + x.high) / 2 - f.area.width() / xs / 2;
    f.y_origin = (y.low + y.high) / 2 - f.area.height() / ys / 2;
    f.x_ticks = axis_ticks(f.x_origin, f.x_origin + f.area.width() / xs, false);
    f.y_ticks = axis_ticks(f.y_origin, f.y_origin + f.area.height() / ys, false);
    return f;
}

void draw_frame(const PlotFrame& f, const std::string& x_title, const std::string& y_title,
                double font, const TextWidth& width_of, Figure& out) {
    const Box& a = f.area;
    out.lines.push_back({a.left, a.top, a.right, a.top, kInk, 0.8});
    out.lines.push_back({a.left, a.bottom, a.right, a.bottom, kInk, 0.8});
    out.lines.push_back({a.left, a.top, a.left, a.bottom, kInk, 0.8});
    out.lines.push_back({a.right, a.top, a.right, a.bottom, kInk, 0.8});
    const double lh = line_height(font);
    for (double v : f.x_ticks.values) {
        const double x = f.fx(v);
        if (x < a.left - 0.01 || x > a.right + 0.01) continue;
        out.lines.push_back({x, a.bottom, x, a.bottom + kTick, kInk, 0.8});
        const std::string t = f.x_ticks.label(v);
        const double w = width_of(t, font);
        out.texts.push_back(
            {{x - w / 2, a.bottom + kTick + 1, x + w / 2, a.bottom + kTick + 1 + lh},
             t,
             TextRole::TickLabel,
             font});
    }
    for (double v : f.y_ticks.values) {
        const double y = f.fy(v);
        if (y < a.top - 0.01 || y > a.bottom + 0.01) continue;
        out.lines.push_back({a.left - kTick, y, a.left, y, kInk, 0.8});
        const std::string t = f.y_ticks.label(v);
        const double w = width_of(t, font);
        out.texts.push_back({{a.left - kTick - 2 - w, y - lh / 2, a.left - kTick - 2, y + lh / 2},
                             t,
                             TextRole::TickLabel,
                             font});
    }
    const double xw = width_of(x_title, font);
    const double mid_x = (a.left + a.right) / 2, mid_y = (a.top + a.bottom) / 2;
    out.texts.push_back(
        {{mid_x - xw / 2, a.bottom + kTick + 2 + lh, mid_x + xw / 2, a.bottom + kTick + 2 + 2 * lh},
         x_title,
         TextRole::AxisTitle,
         font});
    const double yw = width_of(y_title, font);
    double widest = 0;
    for (double v : f.y_ticks.values) widest = std::max(widest, width_of(f.y_ticks.label(v), font));
    const double y_left = a.left - kTick - 4 - widest - lh;
    out.texts.push_back({{y_left, mid_y - yw / 2, y_left + lh, mid_y + yw / 2},
                         y_title,
                         TextRole::AxisTitle,
                         font,
                         kInk,
                         true});
}

}  // namespace tw
