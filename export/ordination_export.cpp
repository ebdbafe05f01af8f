#include "export/ordination_export.h"

#include "export/csv_row.h"
#include "export/number_text.h"

namespace tw {

std::string ordination_csv(const RunOrdination& o) {
    const Configuration& c = o.result.points;
    std::vector<std::string> heading = {"object", "label", "cluster"};
    for (std::int32_t a = 0; a < c.dimensions; ++a)
        heading.push_back("axis" + std::to_string(a + 1));
    std::string out = csv_row(heading);
    for (std::int32_t i = 0; i < c.objects; ++i) {
        std::vector<std::string> row = {std::to_string(i + 1),
                                        o.labels[static_cast<std::size_t>(i)],
                                        o.clusters[static_cast<std::size_t>(i)]};
        for (std::int32_t a = 0; a < c.dimensions; ++a) row.push_back(shortest_text(c.at(i, a)));
        out += csv_row(row);
    }
    return out;
}

JsonObject ordination_record(const RunOrdination& o) {
    const Ordination& r = o.result;
    JsonObject record(1);
    record.text("method", "non-metric multidimensional scaling (Kruskal stress-1, SMACOF)")
        .integer("dimensions", r.dimensions())
        .integer("starts", static_cast<std::int64_t>(r.starts.size()))
        .unsigned_integer("seed", r.seed)
        .text("dissimilarity", o.dissimilarities.rule)
        .number("stress", r.stress)
        .integer("best_start", r.best_start)
        .integer("best_solution_repeated", r.repeated)
        .text("scaling", r.scaling);
    return record;
}

}  // namespace tw
