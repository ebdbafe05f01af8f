#include "export/results_csv.h"
#include "run/array_index.h"

#include "export/csv_row.h"
#include "export/merge_tree.h"
#include "export/number_text.h"
#include "run/group_names.h"

namespace tw {

bool linkage_uncertain(const RunContext& ctx, std::int32_t link) {
    return verdict_uncertain(ctx.Results.at(link), ctx.Results.alpha);
}

std::string results_csv(const RunContext& ctx) {
    std::string out =
        csv_row({"linkage", "left", "right", "left_label", "right_label", "level", "stations",
                 "test", "count", "trials", "p", "se", "statistic", "verdict", "uncertain"});
    const TestResults& results = ctx.Results;
    const std::string test = results.ran() ? test_name(results.test) : std::string();
    const std::vector<Merge> merges = merges_of_run(ctx);
    for (std::int32_t link = 1; link <= static_cast<std::int32_t>(merges.size()); ++link) {
        const Merge& m = merges[at(link - 1)];
        const std::int32_t left = link_left(ctx, link);
        const std::int32_t right = link_right(ctx, link);
        const LinkResult& r = results.at(link);
        std::vector<std::string> row = {
            std::to_string(link),          std::to_string(left),
            std::to_string(right),         shown_group_label(ctx, left),
            shown_group_label(ctx, right), shortest_text(m.level),
            std::to_string(m.stations),    test,
        };
        if (was_tested(r.verdict)) {
            row.push_back(std::to_string(r.count));
            row.push_back(std::to_string(r.trials));
            row.push_back(shortest_text(static_cast<float>(r.p)));
            row.push_back(rounded_text(r.standard_error, 6));
            row.push_back(r.statistic ? shortest_text(static_cast<float>(*r.statistic))
                                      : std::string());
        } else {
            row.insert(row.end(), {"", "", "", "", ""});
        }
        row.push_back(results.ran() ? verdict_symbol(r.verdict, results.test) : std::string());
        row.push_back(was_tested(r.verdict) ? (linkage_uncertain(ctx, link) ? "TRUE" : "FALSE")
                                            : "");
        out += csv_row(row);
    }
    return out;
}

}  // namespace tw
