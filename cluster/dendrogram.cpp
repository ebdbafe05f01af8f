#include "cluster/dendrogram.h"
#include "run/array_index.h"

#include <cstddef>
#include <span>
#include <string>

#include "cluster/dendrogram_drawing.h"
#include "cluster/dendrogram_geometry.h"
#include "cluster/dendrogram_report.h"
#include "cluster/leaf_order.h"
#include "run/text_number.h"

namespace tw {

DendrogramSource linkage_source(const Workspace& w, std::int32_t n) {
    DendrogramSource src;
    src.n = n;
    src.LeafOrder = w.LeafOrder;
    src.LinkI = w.LinkI;
    src.LinkJ = w.LinkJ;
    src.JoinLevel = w.JoinLevel;
    src.DistanceFlag = w.DistanceFlag;
    return src;
}

namespace {

constexpr float kDrawingWidth = 640;
constexpr float kDrawingHeight = 320;

const std::string& label_of(const std::vector<std::string>& labels, std::int32_t k) {
    static const std::string none;
    return k >= 1 && at(k) < labels.size() ? labels[at(k)] : none;
}

DendrogramSource dendrogram_source(const RunContext& ctx, const Workspace& w, std::int32_t n) {
    DendrogramSource src = linkage_source(w, n);
    src.MeasureIndex = ctx.MeasureIndex;
    // The threshold is the one the cluster list uses, read as its leading
    // number. Nothing here yields to the windows, so the text cannot change
    // between one linkage and the next and a single reading serves them all.
    src.savelinks = leading_number(ctx.settings.savelinks_text);
    src.DataTitle = ctx.DataTitle;
    src.caption = w.MethodName + ", " + w.MeasureName;
    src.height = kDrawingHeight;
    return src;
}

// Report lines, DendroOrder and Label column 1 for every position, with the
// station number under each leaf.
void place_leaves(RunContext& ctx, Printer& report, const Workspace& w, std::int32_t n) {
    for (std::int32_t p = 1; p <= n && at(p) < w.LeafOrder.size(); ++p) {
        const auto k = static_cast<std::int32_t>(w.LeafOrder[at(p)]);
        const std::string& label = label_of(ctx.GroupLabel, k);
        write_leaf_line(report, p, k, label);
        ctx.DendroOrder[at(p)] = static_cast<std::int16_t>(k);
        ctx.Label(p, 1) = label;
    }
}

}  // namespace

void dendrogram_order(Workspace& w, std::int32_t n) {
    const std::vector<std::int32_t> order = leaf_order(w.LinkI, w.LinkJ, n);
    w.LeafOrder.assign(order.begin(), order.end());
}

void draw_dendrogram(RunContext& ctx, Host& host, Workspace& w, std::int32_t n) {
    if (n < 0) n = 0;
    Printer& report = ctx.channels.report();
    write_label_list_heading(report);

    host.link_table().text("assigning cluster labels").end();
    ctx.DendroOrder.assign(at(n) + 1, 0);
    ctx.Label.recreate(n, 2);
    host.messages().text("----- Dendogram -----").end();

    const DendrogramGeometry g = dendrogram_geometry(dendrogram_source(ctx, w, n));
    host.show(Window::Dendrogram, true);
    Canvas& canvas = host.dendrogram();
    canvas.set_scale(kDrawingWidth, kDrawingHeight);
    draw_axis(canvas, g);

    draw_leaf_numbers(canvas, g);
    place_leaves(ctx, report, w, n);

    write_coordinate_heading(report);
    draw_links(canvas, g);
    for (const LinkShape& link : g.links) write_link_corners(report, link);

    host.show(Control::DendrogramContinue, true);
    // The order has served its purpose; every later run computes its own.
    w.LeafOrder.clear();
    w.LeafOrder.shrink_to_fit();
}

}  // namespace tw
