#pragma once
// The publication view of the dendrogram: the observed hierarchy laid out to
// fill a page of a given size, leaves named by their group labels, a titled
// resemblance axis with round ticks, and, after the bootstrap, the clusters
// in colours of their own with their identifiers, the P of every tested node
// and a legend for the node marks.
//
// No text overprints another, a branch or a mark. Small trees stand upright
// with labels across; when those would touch, the labels turn to read
// upwards; when even that leaves too little room, the tree lies on its side,
// leaves on the left with one label a line, and the figure grows taller than
// the page rather than shrink the labels below the smallest size. Every link
// is drawn, whatever the cluster-label threshold of the classic drawing.

#include <functional>
#include <string>

#include "figure/figure.h"
#include "figure/figure_options.h"
#include "figure/figure_source.h"

namespace tw {

struct FigurePage {
    double width = 900, height = 600;  // figure units
    double largest_font = 11;
    double smallest_font = 6;
    double margin = 10;
    // A figure in the names view taller than this is said to be taller than
    // a page (A4 within its margins, in points).
    double page_limit = 297 * 72.0 / 25.4 - 2 * 36;
};

// The page of a journal figure two columns wide, in points: 174 mm across
// and 120 mm high; a tree of too many leaves for that runs taller.
FigurePage journal_page();

// Width of `text` at font size `size`, in figure units.
using TextWidth = std::function<double(const std::string& text, double size)>;

// Height of a line of text of font size `size`.
double line_height(double size);

Figure publication_layout(const FigureSource& src, const FigurePage& page,
                          const TextWidth& width_of, const FigureOptions& options = {});

// "0.012", or "<0.001" below a thousandth ("<0.01" for a P of 0 from 100
// replicates); as many decimals as the replicates can tell apart.
std::string p_text(float p, std::int32_t replicates);

}  // namespace tw
