#include "cluster/dendrogram_report.h"

namespace tw {

namespace {

// The report's separator lines hold one blank, not nothing.
void blank_line(Printer& report) {
    report.text(" ").end();
}

}  // namespace

void write_label_list_heading(Printer& report) {
    blank_line(report);
    report.text("List of dendrogram labels (top -> bottom = left -> right)").end();
    blank_line(report);
}

void write_leaf_line(Printer& report, std::int32_t p, std::int32_t k, const std::string& label) {
    report.num(p).zone().num(k).zone().text(label).end();
}

void write_coordinate_heading(Printer& report) {
    blank_line(report);
    report
        .text(
            "Cartisian coordinates for dendrogram diagram (import into spreadsheet and plot as "
            "X-Y chart)")
        .end();
    report.text("  X             Y").end();
    blank_line(report);
}

void write_link_corners(Printer& report, const LinkShape& link) {
    for (const XYPoint& corner : link.corners) report.num(corner.x).zone().num(corner.y).end();
    report.line();
}

}  // namespace tw
