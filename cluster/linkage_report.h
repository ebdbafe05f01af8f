#pragma once
// The report lines of a clustering: the linkage-method box that heads it and
// the linkage table that closes it.

#include <cstdint>
#include <string>
#include <vector>

#include "cluster/linkage_method.h"
#include "run/host.h"
#include "run/printer.h"
#include "run/run_context.h"

namespace tw {

// "* * LINKAGE METHOD * *" and a box of asterisks from column 11 to 50 with
// the method's report text at column 20.
void write_linkage_method_box(Printer& out, LinkageMethod method);

// One line per linkage L = 1..n-1: L, its level, and the labels of the two
// representatives joined (labels[LinkI], labels[LinkJ]). Yields through
// `host` after every line: the table of 10,000 objects takes tens of
// milliseconds.
void write_linkage_table(Printer& out, Host& host, const Workspace& w, std::int32_t n,
                         const std::vector<std::string>& labels);

}  // namespace tw
