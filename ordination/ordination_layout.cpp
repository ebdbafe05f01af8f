#include "ordination/ordination_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "ordination/convex_hull.h"
#include "ordination/plot_frame.h"

namespace tw {

namespace {

constexpr Rgb kFitLine{213, 94, 0};
constexpr Rgb kPairDot{120, 120, 120};

DataRange range_of(const Configuration& c, std::int32_t axis) {
    DataRange r{0, 0};
    for (std::int32_t i = 0; i < c.objects; ++i) {
        r.low = std::min(r.low, c.at(i, axis));
        r.high = std::max(r.high, c.at(i, axis));
    }
    return r;
}

std::string axis_name(std::int32_t axis) {
    return "NMDS" + std::to_string(axis + 1);
}

// Title and method lines; returns the height they take.
double header(const RunOrdination& o, const OrdinationPage& page, const std::string& what,
              const TextWidth& width_of, Figure& out) {
    const double title_size = page.font + 2;
    double y = page.margin;
    const std::string title = o.title.empty() ? what : what + ": " + o.title;
    out.texts.push_back(
        {{page.margin, y, page.margin + width_of(title, title_size), y + line_height(title_size)},
         title,
         TextRole::Title,
         title_size,
         kInk,
         false,
         true});
    y += line_height(title_size);
    const Ordination& r = o.result;
    const std::string method = o.measure + " (" + o.dissimilarities.rule + "), " +
                               std::to_string(r.dimensions()) + " axes, best of " +
                               std::to_string(r.starts.size()) + " starts, reached by " +
                               std::to_string(r.repeated);
    out.texts.push_back(
        {{page.margin, y, page.margin + width_of(method, page.font), y + line_height(page.font)},
         method,
         TextRole::MethodLine,
         page.font,
         kMutedInk});
    y += line_height(page.font);
    return y - page.margin + 6;
}

Box stress_corner(const PlotFrame& f, double stress, double font, const TextWidth& width_of,
                  Figure& out) {
    const std::string t = stress_text(stress);
    const double w = width_of(t, font);
    out.texts.push_back({{f.area.right - 4 - w, f.area.top + 3, f.area.right - 4,
                          f.area.top + 3 + line_height(font)},
                         t,
                         TextRole::Note,
                         font});
    return out.texts.back().box;
}

Box dot_box(const PlotDot& d) {
    const double r = d.size / 2;
    return {d.x - r, d.y - r, d.x + r, d.y + r};
}

bool hits(const Box& b, const std::vector<Box>& taken) {
    return std::any_of(taken.begin(), taken.end(), [&](const Box& t) { return t.overlaps(b); });
}

// Labels beside their dots, right, left, above or below, whichever first
// covers no dot and no text placed before it and stays inside the frame; a
// label with no such place is left out.
void place_labels(const std::vector<std::string>& labels, const std::vector<PlotDot>& dots,
                  const Box& area, double size, const TextWidth& width_of, std::vector<Box>& taken,
                  Figure& out) {
    const double h = line_height(size);
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const double w = width_of(labels[i], size);
        const double r = dots[i].size / 2 + 1;
        const double x = dots[i].x, y = dots[i].y;
        const Box tries[] = {{x + r, y - h / 2, x + r + w, y + h / 2},
                             {x - r - w, y - h / 2, x - r, y + h / 2},
                             {x - w / 2, y - r - h, x + w / 2, y - r},
                             {x - w / 2, y + r, x + w / 2, y + r + h}};
        for (const Box& b : tries) {
            const bool inside = b.left >= area.left && b.right <= area.right && b.top >= area.top &&
                                b.bottom <= area.bottom;
            if (!inside || hits(b, taken)) continue;
            taken.push_back(b);
            out.texts.push_back({b, labels[i], TextRole::LeafLabel, size, kMutedInk});
            break;
        }
    }
}

// Each cluster's identifier at the centre of its dots, or, when dots lie
// there (a crowded cluster, or one of one or two objects), just outside
// its outermost dots.
void hulls_and_identifiers(const RunOrdination& o, const std::vector<PlotDot>& dots,
                           const OrdinationPage& page, const TextWidth& width_of,
                           std::vector<Box>& taken, Figure& out) {
    std::map<std::string, std::vector<HullPoint>> members;
    for (std::size_t i = 0; i < dots.size(); ++i)
        if (!o.clusters[i].empty()) members[o.clusters[i]].push_back({dots[i].x, dots[i].y});
    const double size = page.font + 2;
    const double h = line_height(size);
    for (const auto& [id, points] : members) {
        const Rgb colour = o.colours.count(id) ? o.colours.at(id) : kInk;
        if (page.hulls) {
            const std::vector<HullPoint> hull = convex_hull(points);
            for (std::size_t k = 0; hull.size() > 1 && k < hull.size(); ++k) {
                const HullPoint& a = hull[k];
                const HullPoint& b = hull[(k + 1) % hull.size()];
                out.lines.push_back({a.x, a.y, b.x, b.y, colour, 1.2});
            }
        }
        double cx = 0, cy = 0;
        HullPoint top = points[0], bottom = points[0], left = points[0], right = points[0];
        for (const HullPoint& p : points) {
            cx += p.x, cy += p.y;
            if (p.y < top.y) top = p;
            if (p.y > bottom.y) bottom = p;
            if (p.x < left.x) left = p;
            if (p.x > right.x) right = p;
        }
        cx /= static_cast<double>(points.size());
        cy /= static_cast<double>(points.size());
        const double w = width_of(id, size), gap = dots[0].size;
        const auto box_at = [&](double x, double y) {
            return Box{x - w / 2, y - h / 2, x + w / 2, y + h / 2};
        };
        // The centre of the cluster, else just outside its outermost dots,
        // where the letter stands clear of the dots of a crowded cluster.
        const Box tries[] = {box_at(cx, cy), box_at(top.x, top.y - gap - h / 2),
                             box_at(bottom.x, bottom.y + gap + h / 2),
                             box_at(left.x - gap - w / 2, left.y),
                             box_at(right.x + gap + w / 2, right.y)};
        Box at = tries[0];
        for (const Box& b : tries) {
            if (hits(b, taken)) continue;
            at = b;
            break;
        }
        taken.push_back(at);
        out.texts.push_back({at, id, TextRole::ClusterId, size, colour, false, true});
    }
}

}  // namespace

OrdinationPage journal_ordination_page() {
    OrdinationPage page;
    page.width = 174.0 / 25.4 * 72.0;
    page.height = 140.0 / 25.4 * 72.0;
    page.font = 8;
    return page;
}

double dot_size(std::int32_t objects) {
    if (objects <= 50) return 6;
    if (objects <= 500) return 4;
    return 2.5;
}

namespace {

// An empty figure of the page's size and font.
OrdinationFigure blank_figure(const OrdinationPage& page) {
    OrdinationFigure out;
    out.figure.width = page.width;
    out.figure.height = page.height;
    out.figure.font_size = page.font;
    return out;
}

}  // namespace

std::string stress_text(double stress) {
    char text[32];
    std::snprintf(text, sizeof text, "Stress %.3f", stress);
    return text;
}

OrdinationFigure ordination_plot(const RunOrdination& o, const OrdinationPage& page,
                                 const TextWidth& width_of) {
    OrdinationFigure out = blank_figure(page);
    Figure& fig = out.figure;
    const Configuration& c = o.result.points;
    const std::int32_t across = std::clamp(page.across, 0, c.dimensions - 1);
    const std::int32_t up = std::clamp(page.up, 0, c.dimensions - 1);
    const double header_h = header(o, page, "nMDS", width_of, fig);
    const PlotFrame f = plot_frame(page.width, page.height, page.margin, header_h, page.font,
                                   range_of(c, across), range_of(c, up), true, width_of);
    draw_frame(f, axis_name(across), axis_name(up), page.font, width_of, fig);
    const double size = dot_size(c.objects);
    for (std::int32_t i = 0; i < c.objects; ++i)
        out.dots.push_back({f.fx(c.at(i, across)), f.fy(c.at(i, up)), size, o.colour_of(i)});
    // The stress, the identifiers and the dots are placed first: labels go
    // round them.
    const Box stress = stress_corner(f, o.result.stress, page.font, width_of, fig);
    std::vector<Box> taken = {stress};
    for (const PlotDot& d : out.dots) taken.push_back(dot_box(d));
    hulls_and_identifiers(o, out.dots, page, width_of, taken, fig);
    if (page.labels) place_labels(o.labels, out.dots, f.area, page.font - 1, width_of, taken, fig);
    return out;
}

OrdinationFigure shepard_diagram(const RunOrdination& o, const OrdinationPage& page,
                                 const TextWidth& width_of) {
    OrdinationFigure out = blank_figure(page);
    Figure& fig = out.figure;
    const RankedPairs pairs = rank_pairs(o.dissimilarities);
    const ShepardFit fit = shepard_fit(pairs, o.result.points);
    DataRange x{0, 0}, y{0, 0};
    if (pairs.size() > 0) x = {pairs.dissimilarity.front(), pairs.dissimilarity.back()};
    for (std::size_t t = 0; t < pairs.size(); ++t) {
        y.high = std::max({y.high, fit.distance[t], fit.fitted[t]});
    }
    const double header_h = header(o, page, "Shepard diagram", width_of, fig);
    const PlotFrame f = plot_frame(page.width, page.height, page.margin, header_h, page.font, x, y,
                                   false, width_of);
    draw_frame(f, "Dissimilarity (" + o.dissimilarities.rule + ")", "Ordination distance",
               page.font, width_of, fig);
    const std::size_t step = std::max<std::size_t>(1, pairs.size() / kShepardDots);
    for (std::size_t t = 0; t < pairs.size(); t += step)
        out.dots.push_back({f.fx(pairs.dissimilarity[t]), f.fy(fit.distance[t]), 2.5, kPairDot});
    // The fitted steps, one point where the disparity changes.
    double px = 0, py = 0;
    bool first = true;
    for (std::size_t t = 0; t < pairs.size(); ++t) {
        const bool last = t + 1 == pairs.size();
        if (!first && !last && fit.fitted[t] == fit.fitted[t + 1] && t % step != 0) continue;
        const double nx = f.fx(pairs.dissimilarity[t]), ny = f.fy(fit.fitted[t]);
        if (!first) {
            fig.lines.push_back({px, py, nx, py, kFitLine, 1.4});
            fig.lines.push_back({nx, py, nx, ny, kFitLine, 1.4});
        }
        px = nx, py = ny, first = false;
    }
    stress_corner(f, fit.stress, page.font, width_of, fig);
    return out;
}

}  // namespace tw
