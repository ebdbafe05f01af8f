#include "bootstrap/test_linkages.h"

namespace tw {

void finish_run(RunContext& ctx, Host& host) {
    ctx.channels.close_all();  // ends the report stream and CLUSTER.LST
    ctx.Stage = RunStage::Idle;
    host.show(Window::Options, true);
    host.dendrogram().clear();
    ctx.settings.sqr_sim = false;
    // Row 0 keeps its headings; the next run writes the rows again.
    ResultsGrid& grid = host.grid();
    for (std::int32_t row = 1; row <= ctx.NumGroups - 1; ++row)
        for (int column = 0; column <= 3; ++column) grid.set_cell(row, column, " ");
}

}  // namespace tw
