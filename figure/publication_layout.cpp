#include "figure/publication_layout.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <map>

#include "figure/cluster_palette.h"
#include "figure/clusters_view.h"
#include "figure/layout_frame.h"
#include "figure/p_labels.h"
#include "figure/text_metrics.h"

namespace tw {

namespace {

constexpr double kTreeLine = 1.2;
constexpr double kClusterLine = 2.0;

// Linkages that put their two sides into one cluster.
bool joins(LinkageVerdict v) {
    return v == LinkageVerdict::NotSignificant || v == LinkageVerdict::TooFewObjects ||
           v == LinkageVerdict::GivenUp || v == LinkageVerdict::Stopped ||
           v == LinkageVerdict::NotReached;
}

MarkerKind marker_kind(LinkageVerdict v) {
    switch (v) {
        case LinkageVerdict::Significant:
            return MarkerKind::Significant;
        case LinkageVerdict::NotSignificant:
            return MarkerKind::NotSignificant;
        case LinkageVerdict::ContainsSignificant:
            return MarkerKind::ContainsSignificant;
        default:
            return MarkerKind::Untested;
    }
}

// The subtitle's part on the test: its name, its trials and alpha.
std::string test_line(const FigureSource& src) {
    if (src.test == SignificanceTest::SimilarityProfile) {
        return "similarity profile test, " + std::to_string(src.trials) +
               " permutations per linkage, alpha " + src.alpha_text;
    }
    return std::to_string(src.trials) + " bootstrap replicates per linkage, alpha " +
           src.alpha_text;
}

// Places figure parts in the frame's leaf (u) and level (v) coordinates.
class Builder {
  public:
    Builder(const FigureSource& src, const FigurePage& page, const TextWidth& width_of,
            const AxisTicks& ticks, const TextMeasures& m, const LayoutFrame& f,
            const FigureOptions& options, const std::vector<float>& tip_tops)
        : src_(src),
          page_(page),
          width_of_(width_of),
          ticks_(ticks),
          m_(m),
          f_(f),
          options_(options),
          tip_tops_(tip_tops) {
        fig_.width = f.width;
        fig_.height = f.height;
        fig_.orientation = f.orientation;
        fig_.font_size = f.font;
        for (std::size_t k = 0; k < m.cluster_ids.size(); ++k) {
            colour_of_.emplace(m.cluster_ids[k], cluster_colour(static_cast<std::int32_t>(k)));
        }
    }

    Figure build() {
        header();
        axis();
        tree();
        cut_line();
        leaf_labels();
        if (m_.brackets) cluster_brackets();
        if (src_.tested) {
            place_legend(legend_entries(src_), page_.margin,
                         f_.height - page_.margin - m_.legend_h + 6, f_.width - 2 * page_.margin,
                         m_.small, width_of_, &fig_);
        }
        // Last, so that each finds its place clear of everything else.
        fig_.p_left_out = place_p_labels(fig_, p_wanted_, m_.small, width_of_);
        if (options_.colours == ColourScheme::Greyscale) to_grey(fig_);
        return std::move(fig_);
    }

  private:
    bool upright() const { return f_.orientation == Orientation::Upright; }

    double level_v(double value) const {
        const double leaf_value = src_.distance ? ticks_.low : ticks_.high;
        const double root_value = src_.distance ? ticks_.high : ticks_.low;
        return f_.leaf_v +
               (value - leaf_value) / (root_value - leaf_value) * (f_.root_v - f_.leaf_v);
    }

    void line(double u1, double v1, double u2, double v2, Rgb colour, double width) {
        if (upright()) {
            fig_.lines.push_back({u1, v1, u2, v2, colour, width});
        } else {
            fig_.lines.push_back({v1, u1, v2, u2, colour, width});
        }
    }

    void text(Box box, std::string s, TextRole role, double size, Rgb colour = kInk,
              bool vertical = false, bool bold = false) {
        fig_.texts.push_back({box, std::move(s), role, size, colour, vertical, bold});
    }

    // A horizontal text of `size` whose box starts at x and is centred on y.
    Box across(const std::string& s, double size, double x, double y) const {
        const double lh = line_height(size);
        return {x, y - lh / 2, x + width_of_(s, size), y + lh / 2};
    }

    void header() {
        const double big = page_.largest_font;
        double y = page_.margin;
        const double x = page_.margin;
        const std::string& title = options_.title.empty() ? src_.title : options_.title;
        const double title_w = width_of_(title, big + 2) * bold_widening(title);
        text({x, y, x + title_w, y + line_height(big + 2)}, title, TextRole::Title, big + 2, kInk,
             false, true);
        y += line_height(big + 2);
        std::string method = src_.method_line;
        if (src_.tested) method += "; " + test_line(src_);
        text({x, y, x + width_of_(method, big), y + line_height(big)}, method, TextRole::MethodLine,
             big);
    }

    void axis() {
        const double s = m_.small;
        const double lh = line_height(s);
        const double from = level_v(ticks_.low), to = level_v(ticks_.high);
        const double e = f_.tree_edge;
        if (upright()) {
            fig_.lines.push_back({e, from, e, to, kInk, 1});
            for (double t : ticks_.values) {
                const double y = level_v(t);
                fig_.lines.push_back({e - 4, y, e, y, kInk, 1});
                const std::string label = ticks_.label(t);
                const double w = width_of_(label, s);
                text({e - 6 - w, y - lh / 2, e - 6, y + lh / 2}, label, TextRole::TickLabel, s);
            }
            const auto [title, ts] = fitted_axis_title(std::abs(to - from));
            const double w = width_of_(title, ts);
            const double mid = (from + to) / 2;
            text({page_.margin, mid - w / 2, page_.margin + line_height(ts), mid + w / 2}, title,
                 TextRole::AxisTitle, ts, kInk, true);
            return;
        }
        fig_.lines.push_back({from, e, to, e, kInk, 1});
        for (double t : ticks_.values) {
            const double x = level_v(t);
            fig_.lines.push_back({x, e, x, e + 4, kInk, 1});
            const std::string label = ticks_.label(t);
            const double w = width_of_(label, s);
            text({x - w / 2, e + 6, x + w / 2, e + 6 + lh}, label, TextRole::TickLabel, s);
        }
        const auto [title, ts] = fitted_axis_title(std::abs(to - from));
        const double w = width_of_(title, ts);
        const double mid = (from + to) / 2;
        text({mid - w / 2, e + 8 + lh, mid + w / 2, e + 8 + lh + line_height(ts)}, title,
             TextRole::AxisTitle, ts);
    }

    // The axis title no longer than the axis it names: smaller, then without
    // which way is closer, then cut short.
    std::pair<std::string, double> fitted_axis_title(double length) const {
        std::string t = src_.axis_title;
        for (double s = m_.small; s >= page_.smallest_font - 1e-9; s -= 0.5) {
            if (width_of_(t, s) <= length) return {t, s};
        }
        const double s = std::min(m_.small, page_.smallest_font);
        if (const std::size_t paren = t.find(" ("); paren != std::string::npos) t.resize(paren);
        if (width_of_(t, s) <= length) return {t, s};
        while (!t.empty() && width_of_(t + "\u2026", s) > length) t.pop_back();
        // Never end inside a multi-byte letter.
        while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80) t.pop_back();
        if (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0xC0) t.pop_back();
        return {t.empty() ? t : t + "\u2026", s};
    }

    struct Node {
        double u = 0, v = 0;
        std::string cluster;  // the one cluster all its leaves are in, or empty
    };

    void tree() {
        const std::int32_t n = src_.leaves();
        std::int32_t groups = 0;
        for (std::int32_t g : src_.order) groups = std::max(groups, g);
        std::vector<Node> node(at(groups) + 1);
        for (std::int32_t p = 0; p < n; ++p) {
            const std::int32_t g = src_.order[at(p)];
            if (g < 1) continue;
            node[at(g)] = {f_.leaf(p), f_.leaf_v,
                           src_.tested && at(p) < src_.leaf_clusters.size()
                               ? src_.leaf_clusters[at(p)]
                               : std::string()};
            if (at(p) < tip_tops_.size() && std::isfinite(tip_tops_[at(p)])) {
                node[at(g)].v = wedge(p, tip_tops_[at(p)]);
            }
        }
        for (std::int32_t L = 1; L <= static_cast<std::int32_t>(src_.linkages.size()); ++L) {
            const FigureLinkage& k = src_.linkages[at(L - 1)];
            if (k.left < 1 || k.right < 1 || k.left > groups || k.right > groups) continue;
            Node& a = node[at(k.left)];
            const Node& b = node[at(k.right)];
            const LinkageVerdict verdict =
                src_.tested ? src_.verdicts[at(L - 1)] : LinkageVerdict::NotReached;
            const bool together = joins(verdict) && !a.cluster.empty() && a.cluster == b.cluster;
            const bool finite = std::isfinite(k.level);
            const double v = finite ? level_v(k.level) : a.v;
            if (finite) {
                link(L, a, b, v, verdict, together);
                note_cut(k.level, together, verdict);
            }
            a.u = (a.u + b.u) / 2;
            a.v = v;
            if (!together) a.cluster.clear();
        }
    }

    // A cluster drawn as one tip: a wedge from its loosest join down to the
    // leaves, in the cluster's colour. Returns where the tip's stem begins.
    double wedge(std::int32_t p, float top) {
        const double u = f_.leaf(p);
        const double v = level_v(top);
        const double half = std::min(f_.pitch * 0.3, 3 * f_.font);
        const Rgb colour = leaf_colour(p);
        line(u, v, u - half, f_.leaf_v, colour, kTreeLine);
        line(u, v, u + half, f_.leaf_v, colour, kTreeLine);
        line(u - half, f_.leaf_v, u + half, f_.leaf_v, colour, kTreeLine);
        note_cut(top, true, LinkageVerdict::NotSignificant);
        return v;
    }

    void link(std::int32_t L, const Node& a, const Node& b, double v, LinkageVerdict verdict,
              bool together) {
        const Rgb colour = together ? colour_of_.at(a.cluster) : kInk;
        const double width = together ? kClusterLine : kTreeLine;
        line(a.u, a.v, a.u, v, colour, width);
        line(b.u, b.v, b.u, v, colour, width);
        line(a.u, v, b.u, v, colour, width);
        if (verdict == LinkageVerdict::NotReached) return;
        const double mid = (a.u + b.u) / 2;
        const double mark = m_.small * 0.7;
        const double x = upright() ? mid : v;
        const double y = upright() ? v : mid;
        fig_.markers.push_back({x, y, mark, marker_kind(verdict)});
        const std::optional<float> p = src_.p[at(L - 1)];
        if (!p || options_.p_shown == PShown::None) return;
        const bool significant = verdict == LinkageVerdict::Significant;
        if (options_.p_shown == PShown::Significant && !significant) return;
        p_wanted_.push_back({x, y, mark, p_text(*p, src_.trials), significant,
                             upright() ? NodeFacing::Up : NodeFacing::Right});
    }

    // The levels closest to the root inside a cluster and closest to the
    // leaves between clusters: a cut between the two separates every
    // cluster from the next.
    void note_cut(float level, bool together, LinkageVerdict verdict) {
        const double closeness = src_.distance ? -level : level;
        if (together) {
            loosest_join_ = std::min(loosest_join_, closeness);
        } else if (verdict == LinkageVerdict::Significant ||
                   verdict == LinkageVerdict::ContainsSignificant) {
            tightest_split_ = std::max(tightest_split_, closeness);
        }
    }

    // A dashed line across the tree between the two, where one exists.
    void cut_line() {
        if (!options_.cut_line || !src_.tested) return;
        if (!std::isfinite(loosest_join_) || !std::isfinite(tightest_split_)) return;
        if (!(tightest_split_ < loosest_join_)) return;
        const double mid = (loosest_join_ + tightest_split_) / 2;
        const double v = level_v(src_.distance ? -mid : mid);
        const double u1 = f_.leaf(0) - f_.pitch / 2, u2 = f_.leaf(src_.leaves() - 1) + f_.pitch / 2;
        line(u1, v, u2, v, kMutedInk, 0.8);
        fig_.lines.back().dashed = true;
    }

    Rgb leaf_colour(std::int32_t p) const {
        if (!src_.tested || at(p) >= src_.leaf_clusters.size()) return kInk;
        const auto it = colour_of_.find(src_.leaf_clusters[at(p)]);
        return it == colour_of_.end() ? kInk : it->second;
    }

    void leaf_labels() {
        const double s = f_.font;
        const double lh = line_height(s);
        for (std::int32_t p = 0; p < src_.leaves(); ++p) {
            const std::string& label = src_.leaf_labels[at(p)];
            const double w = width_of_(label, s);
            const double u = f_.leaf(p);
            Box box;
            const double g = f_.label_gap;
            if (!upright()) {
                box = across(label, s, f_.leaf_v - g - w, u);
            } else if (f_.vertical_labels) {
                box = {u - lh / 2, f_.leaf_v + g, u + lh / 2, f_.leaf_v + g + w};
            } else {
                box = {u - w / 2, f_.leaf_v + g, u + w / 2, f_.leaf_v + g + lh};
            }
            text(box, label, TextRole::LeafLabel, s, leaf_colour(p),
                 upright() && f_.vertical_labels);
        }
    }

    // A bracket beside each cluster's labels, with its identifier.
    void cluster_brackets() {
        if (m_.cluster_ids.empty()) return;
        const double s = f_.font;
        const double lh = line_height(s);
        const double g = f_.label_gap;
        const double band = upright() ? f_.leaf_v + g + (f_.vertical_labels ? f_.label_w : lh) + 3
                                      : f_.leaf_v - g - f_.label_w - 4;
        const std::int32_t n = src_.leaves();
        for (std::int32_t a = 0; a < n;) {
            std::int32_t b = a;
            const std::string& id = src_.leaf_clusters[at(a)];
            while (b + 1 < n && src_.leaf_clusters[at(b + 1)] == id) ++b;
            if (!id.empty())
                bracket(id, f_.leaf(a) - f_.pitch * 0.45, f_.leaf(b) + f_.pitch * 0.45, band, s,
                        lh);
            a = b + 1;
        }
    }

    void bracket(const std::string& id, double u1, double u2, double band, double s, double lh) {
        const Rgb colour = colour_of_.at(id);
        line(u1, band, u2, band, colour, kClusterLine);
        const double w = width_of_(id, s) * bold_widening(id);
        const double mid = (u1 + u2) / 2;
        if (!upright()) {
            text({band - 4 - w, mid - lh / 2, band - 4, mid + lh / 2}, id, TextRole::ClusterId, s,
                 colour, false, true);
        } else if (w <= u2 - u1) {
            text({mid - w / 2, band + 2, mid + w / 2, band + 2 + lh}, id, TextRole::ClusterId, s,
                 colour, false, true);
        } else {
            text({mid - lh / 2, band + 2, mid + lh / 2, band + 2 + w}, id, TextRole::ClusterId, s,
                 colour, true, true);
        }
    }

    const FigureSource& src_;
    const FigurePage& page_;
    const TextWidth& width_of_;
    const AxisTicks& ticks_;
    const TextMeasures& m_;
    const LayoutFrame& f_;
    const FigureOptions& options_;
    const std::vector<float>& tip_tops_;  // clusters view: where each tip begins
    std::map<std::string, Rgb> colour_of_;
    std::vector<WantedP> p_wanted_;
    double loosest_join_ = std::numeric_limits<double>::infinity();
    double tightest_split_ = -std::numeric_limits<double>::infinity();
    Figure fig_;
};

AxisTicks source_ticks(const FigureSource& src) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const FigureLinkage& k : src.linkages) {
        if (!std::isfinite(k.level)) continue;
        lo = std::min(lo, static_cast<double>(k.level));
        hi = std::max(hi, static_cast<double>(k.level));
    }
    if (lo > hi) lo = hi = 0;
    // Every similarity here is at most 1, where identical objects join:
    // the axis reaches it, as a distance axis reaches 0.
    if (!src.distance && hi <= 1) hi = 1;
    return axis_ticks(lo, hi, src.distance);
}

}  // namespace

FigurePage journal_page() {
    constexpr double kPointsPerMm = 72.0 / 25.4;
    FigurePage page;
    page.width = 174 * kPointsPerMm;
    page.height = 120 * kPointsPerMm;
    page.largest_font = 9;
    page.smallest_font = 5;
    page.margin = 6;
    return page;
}

double line_height(double size) {
    return size * 1.25;
}

std::string p_text(float p, std::int32_t replicates) {
    const int decimals = replicates <= 100 ? 2 : replicates <= 1000 ? 3 : 4;
    const auto fixed = [&](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        return std::string(buf);
    };
    // Journals write P below a thousandth as "<0.001"; a P of 0 from fewer
    // than a thousand replicates says only that it is below one replicate's
    // share, so it is written below that ("<0.01" from 100 replicates).
    const double floor = replicates > 0 ? std::max(0.001, 1.0 / replicates) : 0.001;
    if (static_cast<double>(p) < 0.001) return "<" + (floor > 0.001 ? fixed(floor) : "0.001");
    return fixed(static_cast<double>(p));
}

Figure publication_layout(const FigureSource& names, const FigurePage& page,
                          const TextWidth& width_of, const FigureOptions& options) {
    const bool clusters = options.view == FigureView::Clusters && !cluster_tips(names).empty();
    const ClustersSource tips =
        clusters ? clusters_source(names, options.tip_labels) : ClustersSource{names, {}};
    const FigureSource& src = tips.tree;
    FigureOptions chosen = options;
    if (!clusters) chosen.view = FigureView::Names;
    if (src.leaves() == 0) {
        Figure empty;
        empty.width = page.width;
        empty.height = page.height;
        return empty;
    }
    const AxisTicks ticks = source_ticks(names);  // the tips begin inside the clusters
    const TextMeasures m = text_measures(src, page, width_of, ticks, chosen);
    const LayoutFrame f = layout_frame(src, page, width_of, m, chosen.leaf_side);
    Figure fig = Builder(src, page, width_of, ticks, m, f, chosen, tips.tops).build();
    fig.taller_than_page = !clusters && fig.height > page.page_limit;
    return fig;
}

}  // namespace tw
