#pragma once
// The dendrogram's lines in the report: the list of labels in dendrogram
// order and the X-Y coordinates of every listed link, ready to be imported
// into a spreadsheet and plotted as a chart.

#include <cstdint>
#include <string>

#include "cluster/dendrogram_geometry.h"
#include "run/printer.h"

namespace tw {

// A line holding one blank, the heading of the label list, another blank line.
void write_label_list_heading(Printer& report);

// Position p, the station k standing there and its label, in print zones.
void write_leaf_line(Printer& report, std::int32_t p, std::int32_t k, const std::string& label);

// The heading of the coordinate listing, with the blank line after it.
void write_coordinate_heading(Printer& report);

// The four corners of a link, one X-Y pair per line, then an empty line.
void write_link_corners(Printer& report, const LinkShape& link);

}  // namespace tw
