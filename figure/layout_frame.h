#pragma once
// Where the parts of a publication figure go: the orientation and font
// chosen for the leaf labels, the leaf positions and the span of the
// resemblance axis. Chosen before anything is placed.

#include <cstdint>
#include <string>
#include <vector>

#include "figure/axis_ticks.h"
#include "figure/figure.h"
#include "figure/figure_source.h"
#include "figure/publication_layout.h"

namespace tw {

// Measures of the text around the tree, worked out once.
struct TextMeasures {
    double small = 9;                      // tick labels, axis title, P values, legend
    double header_h = 0;                   // title, method line and note, with the gap below
    double legend_h = 0;                   // legend lines (0 before the bootstrap)
    double tick_w = 0;                     // widest tick label
    std::vector<std::string> cluster_ids;  // one per run of leaves, left to right
    bool brackets = true;                  // identifiers in a band beyond the labels
    double largest_label = 11;             // the leaf label size tried first
};

struct LegendEntry {
    MarkerKind kind;
    std::string text;
};

// The node marks a tested figure uses, and what each means.
std::vector<LegendEntry> legend_entries(const FigureSource& src);

// Lays the legend out in lines no wider than `width`, from (left, top);
// returns its height. With `out` null it only measures.
double place_legend(const std::vector<LegendEntry>& entries, double left, double top, double width,
                    double size, const TextWidth& width_of, Figure* out);

struct LayoutFrame {
    Orientation orientation = Orientation::Upright;
    double font = 10;              // leaf labels and identifiers
    bool vertical_labels = false;  // upright trees only
    double width = 0, height = 0;  // of the whole figure
    double first_leaf = 0;         // leaf coordinate of the first leaf's centre
    double pitch = 0;              // between neighbouring leaves
    double leaf_v = 0;             // level coordinate of the leaves
    double root_v = 0;             // level coordinate of the far end of the axis
    double label_w = 0;            // widest leaf label at `font`
    double id_w = 0;               // widest identifier at `font`
    double tree_edge = 0;          // upright: x of the axis; sideways: y of the axis
    double label_gap = 4;          // between a leaf and its label

    double leaf(std::int32_t position) const { return first_leaf + pitch * (position + 0.5); }
};

TextMeasures text_measures(const FigureSource& src, const FigurePage& page,
                           const TextWidth& width_of, const AxisTicks& ticks,
                           const FigureOptions& options);

LayoutFrame layout_frame(const FigureSource& src, const FigurePage& page, const TextWidth& width_of,
                         const TextMeasures& m, LeafSide side);

}  // namespace tw
