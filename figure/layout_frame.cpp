#include "figure/layout_frame.h"

#include <algorithm>
#include <cmath>

#include "figure/text_metrics.h"

namespace tw {

namespace {

constexpr double kLabelGap = 4;   // between a leaf and its label
constexpr double kTickRoom = 10;  // tick marks and the gap to their labels
constexpr double kMinTreeShare = 0.35;
constexpr double kMinTreeLength = 120;

double widest(const std::vector<std::string>& texts, double size, const TextWidth& width_of) {
    double w = 0;
    for (const std::string& t : texts) w = std::max(w, width_of(t, size));
    return w;
}

// Identifiers are drawn bold.
double widest_id(const std::vector<std::string>& ids, double size, const TextWidth& width_of) {
    double w = 0;
    for (const std::string& t : ids) w = std::max(w, width_of(t, size) * bold_widening(t));
    return w;
}

// Font sizes to try, largest first, in steps of half a unit.
std::vector<double> font_steps(const FigurePage& page, double largest) {
    std::vector<double> sizes;
    for (double s = largest; s >= page.smallest_font - 1e-9; s -= 0.5) {
        sizes.push_back(s);
    }
    if (sizes.empty()) sizes.push_back(page.smallest_font);
    return sizes;
}

double id_band(const TextMeasures& m, double id_w, double font) {
    return m.cluster_ids.empty() || !m.brackets ? 0 : 6 + std::max(line_height(font), id_w) + 2;
}

bool try_upright(const FigureSource& src, const FigurePage& page, const TextWidth& width_of,
                 const TextMeasures& m, bool vertical, LayoutFrame& f) {
    const double axis_x = page.margin + line_height(m.small) + 4 + m.tick_w + kTickRoom;
    const double right = page.width - page.margin;
    const double pitch = (right - axis_x) / std::max(src.leaves(), 1);
    const double top = m.header_h + line_height(m.small);
    for (double s : font_steps(page, m.largest_label)) {
        const double label_w = widest(src.leaf_labels, s, width_of);
        const bool fits = vertical ? line_height(s) <= pitch : label_w + kLabelGap <= pitch;
        if (!fits) continue;
        const double id_w = widest_id(m.cluster_ids, s, width_of);
        const double label_band = vertical ? label_w : line_height(s);
        const double bottom =
            page.height - page.margin - m.legend_h - id_band(m, id_w, s) - label_band - kLabelGap;
        const double length = bottom - top;
        // Smaller turned labels take less height: try them before giving up.
        if (length < std::max(kMinTreeLength, kMinTreeShare * page.height)) continue;
        f = LayoutFrame{Orientation::Upright,
                        s,
                        vertical,
                        page.width,
                        page.height,
                        axis_x,
                        pitch,
                        bottom,
                        top,
                        label_w,
                        id_w,
                        axis_x - 6,
                        kLabelGap};
        return true;
    }
    return false;
}

// On its side, leaves down the left with their labels before them and the
// root at the right, so the names read where a reader starts.
LayoutFrame sideways(const FigureSource& src, const FigurePage& page, const TextWidth& width_of,
                     const TextMeasures& m) {
    const double n = std::max(src.leaves(), 1);
    const double axis_band = 4 + 2 * line_height(m.small) + 8;
    const double top = m.header_h;
    const double room = page.height - top - axis_band - m.legend_h - page.margin;
    double s = page.smallest_font;
    for (double candidate : font_steps(page, m.largest_label)) {
        if (line_height(candidate) * n <= room) {
            s = candidate;
            break;
        }
    }
    const double pitch = std::max(room / n, line_height(s));
    const double label_w = widest(src.leaf_labels, s, width_of);
    const double id_w = widest_id(m.cluster_ids, s, width_of);
    const double leaf_x = page.margin + id_band(m, id_w, s) + label_w + kLabelGap;
    const double root_x =
        std::max(page.width - page.margin - m.tick_w / 2, leaf_x + kMinTreeLength);
    const double tree_bottom = top + pitch * n;
    LayoutFrame f{Orientation::Sideways,
                  s,
                  false,
                  root_x + m.tick_w / 2 + page.margin,
                  tree_bottom + axis_band + m.legend_h + page.margin,
                  top,
                  pitch,
                  leaf_x,
                  root_x,
                  label_w,
                  id_w,
                  tree_bottom + 4,
                  kLabelGap};
    f.width = std::max(f.width, page.width);
    f.height = std::max(f.height, page.height);
    return f;
}

}  // namespace

namespace {

bool shows(const FigureSource& src, LinkageVerdict v) {
    return std::find(src.verdicts.begin(), src.verdicts.end(), v) != src.verdicts.end();
}

// Why the crossed linkages of this figure were not tested, in the terms of
// the test that ran.
std::string untested_text(const FigureSource& src) {
    std::vector<std::string> why;
    if (shows(src, LinkageVerdict::TooFewObjects))
        why.push_back(src.test == SignificanceTest::SimilarityProfile ? "two objects"
                                                                      : "too few stations");
    if (shows(src, LinkageVerdict::GivenUp)) why.push_back("replicates given up");
    if (shows(src, LinkageVerdict::Stopped)) why.push_back("test stopped");
    std::string text = "not tested:";
    for (std::size_t i = 0; i < why.size(); ++i)
        text += (i == 0 ? " " : i + 1 == why.size() ? ", or " : ", ") + why[i];
    return text;
}

}  // namespace

// Only the marks the figure shows are named.
std::vector<LegendEntry> legend_entries(const FigureSource& src) {
    std::vector<LegendEntry> entries;
    if (shows(src, LinkageVerdict::Significant))
        entries.push_back(
            {MarkerKind::Significant, "significant (P \u2264 " + src.alpha_text + ")"});
    if (shows(src, LinkageVerdict::NotSignificant))
        entries.push_back({MarkerKind::NotSignificant, "not significant"});
    if (shows(src, LinkageVerdict::ContainsSignificant))
        entries.push_back(
            {MarkerKind::ContainsSignificant, "not tested: contains a significant linkage"});
    const std::string untested = untested_text(src);
    if (untested != "not tested:") entries.push_back({MarkerKind::Untested, untested});
    return entries;
}

double place_legend(const std::vector<LegendEntry>& entries, double left, double top, double width,
                    double size, const TextWidth& width_of, Figure* out) {
    const double lh = line_height(size);
    const double mark = size * 0.7;
    double x = left;
    double y = top;
    for (const LegendEntry& e : entries) {
        const double w = mark + 4 + width_of(e.text, size);
        if (x > left && x + w > left + width) {
            x = left;
            y += lh;
        }
        if (out) {
            out->markers.push_back({x + mark / 2, y + lh / 2, mark, e.kind});
            out->texts.push_back({{x + mark + 4, y, x + w, y + lh},
                                  e.text,
                                  TextRole::Legend,
                                  size,
                                  kInk,
                                  false,
                                  false});
        }
        x += w + 14;
    }
    return y + lh - top;
}

TextMeasures text_measures(const FigureSource& src, const FigurePage& page,
                           const TextWidth& width_of, const AxisTicks& ticks,
                           const FigureOptions& options) {
    TextMeasures m;
    m.small = std::max(page.smallest_font, page.largest_font - 2);
    m.brackets = options.view == FigureView::Names;
    m.largest_label = options.label_size > 0 ? std::max(options.label_size, page.smallest_font)
                                             : page.largest_font;
    const double big = page.largest_font;
    m.header_h = page.margin + line_height(big + 2) + line_height(big) + 6;
    if (src.tested) {
        m.legend_h = 6 + place_legend(legend_entries(src), 0, 0, page.width - 2 * page.margin,
                                      m.small, width_of, nullptr);
    }
    for (double v : ticks.values) m.tick_w = std::max(m.tick_w, width_of(ticks.label(v), m.small));
    if (src.tested) {
        for (std::size_t p = 0; p < src.leaf_clusters.size(); ++p) {
            const std::string& id = src.leaf_clusters[p];
            if (id.empty()) continue;
            if (p == 0 || src.leaf_clusters[p - 1] != id) m.cluster_ids.push_back(id);
        }
    }
    return m;
}

LayoutFrame layout_frame(const FigureSource& src, const FigurePage& page, const TextWidth& width_of,
                         const TextMeasures& m, LeafSide side) {
    LayoutFrame f;
    if (side == LeafSide::Left) return sideways(src, page, width_of, m);
    if (try_upright(src, page, width_of, m, false, f)) return f;
    if (try_upright(src, page, width_of, m, true, f)) return f;
    return sideways(src, page, width_of, m);
}

}  // namespace tw
