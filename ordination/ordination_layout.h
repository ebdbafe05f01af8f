#pragma once
// The ordination as a figure: the objects as dots in their clusters'
// colours on axes of equal scale (a distance on the page means the same
// along both axes), each cluster's identifier at the centre of its objects,
// the stress in the top right corner, and, when asked, the objects' labels
// and the clusters' convex hulls. Beside it the Shepard diagram: every
// pair's ordination distance against its dissimilarity, with the monotone
// regression as a step line. Both are plain values; painting them is the
// windows' work.

#include <cstdint>
#include <vector>

#include "figure/figure.h"
#include "figure/publication_layout.h"
#include "ordination/run_ordination.h"

namespace tw {

struct PlotDot {
    double x = 0, y = 0;
    double size = 5;  // across
    Rgb colour = kInk;
};

struct OrdinationFigure {
    Figure figure;              // frame, ticks, texts and hull lines
    std::vector<PlotDot> dots;  // painted over the lines, under the texts
};

struct OrdinationPage {
    double width = 700, height = 560;  // figure units
    double font = 9;
    double margin = 10;
    bool labels = false;              // each object's label beside its dot
    bool hulls = false;               // each cluster's convex hull
    std::int32_t across = 0, up = 1;  // the axes shown (0-based), for three axes
};

// 174 mm wide and 140 mm high in points, as the publication figure.
OrdinationPage journal_ordination_page();

// The Shepard diagram shows at most this many pairs, evenly along the ranks:
// beyond it the dots only blacken the same area.
inline constexpr std::size_t kShepardDots = 4000;

OrdinationFigure ordination_plot(const RunOrdination& o, const OrdinationPage& page,
                                 const TextWidth& width_of);
OrdinationFigure shepard_diagram(const RunOrdination& o, const OrdinationPage& page,
                                 const TextWidth& width_of);

// Dot size for n objects: large enough to see the colour, small enough that
// a few thousand stay apart.
double dot_size(std::int32_t objects);

// "Stress 0.118"
std::string stress_text(double stress);

}  // namespace tw
