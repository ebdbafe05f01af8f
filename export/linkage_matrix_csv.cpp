#include "export/linkage_matrix_csv.h"

#include "export/csv_row.h"
#include "export/merge_tree.h"
#include "export/number_text.h"

namespace tw {

std::string linkage_matrix_csv(const RunContext& ctx, const LevelConversion& conversion) {
    std::string out = csv_row({"left", "right", "height", "size"});
    for (const Merge& m : merges_of_run(ctx)) {
        out += csv_row({std::to_string(m.left), std::to_string(m.right),
                        shortest_text(conversion.height(m.level)), std::to_string(m.groups)});
    }
    return out;
}

}  // namespace tw
