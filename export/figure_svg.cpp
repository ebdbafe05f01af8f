#include "export/figure_svg.h"

#include "figure/svg_writer.h"

namespace tw {

std::string ordination_svg(const OrdinationFigure& o) {
    std::vector<SvgDot> dots;
    for (const PlotDot& d : o.dots) dots.push_back({d.x, d.y, d.size, d.colour});
    return figure_svg(o.figure, dots);
}

}  // namespace tw
