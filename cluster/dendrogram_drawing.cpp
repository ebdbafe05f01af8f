#include "cluster/dendrogram_drawing.h"

namespace tw {

namespace {

void draw(Canvas& canvas, const Segment& s) {
    canvas.line(s.x1, s.y1, s.x2, s.y2);
}
void draw(Canvas& canvas, const PlacedText& t) {
    canvas.text(t.x, t.y, t.text);
}

}  // namespace

void draw_axis(Canvas& canvas, const DendrogramGeometry& g) {
    draw(canvas, g.title);
    draw(canvas, g.caption);
    draw(canvas, g.axis_line);
    for (const Tick& tick : g.ticks) {
        draw(canvas, tick.mark);
        if (tick.label) draw(canvas, *tick.label);
    }
}

void draw_leaf_numbers(Canvas& canvas, const DendrogramGeometry& g) {
    for (const PlacedText& number : g.leaf_numbers) draw(canvas, number);
}

void draw_links(Canvas& canvas, const DendrogramGeometry& g) {
    for (const LinkShape& link : g.links) {
        if (!link.drawn) continue;
        for (const Segment& s : link.lines) draw(canvas, s);
    }
    for (const Segment& dash : g.reference_dashes) draw(canvas, dash);
}

}  // namespace tw
