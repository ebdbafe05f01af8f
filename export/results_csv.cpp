#include "export/results_csv.h"

#include "bootstrap/p_value.h"
#include "export/csv_row.h"
#include "export/merge_tree.h"
#include "export/number_text.h"
#include "run/group_names.h"
#include "run/text_number.h"

namespace tw {

namespace {

std::size_t at(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

bool tested(const RunContext& ctx, std::int32_t link) {
    return at(link) < ctx.LinkStat.size() && ctx.LinkStat[at(link)] >= 0.0f && ctx.NumBoot > 0;
}

// The alpha level as the verdicts compared with it.
float alpha_of(const RunContext& ctx) {
    return static_cast<float>(leading_number(ctx.settings.alpha_text));
}

}  // namespace

bool linkage_uncertain(const RunContext& ctx, std::int32_t link) {
    if (!tested(ctx, link)) return false;
    const float p = p_value(ctx.LinkStat[at(link)], ctx.NumBoot);
    return p_uncertain(p, alpha_of(ctx), ctx.NumBoot);
}

std::string results_csv(const RunContext& ctx) {
    std::string out =
        csv_row({"linkage", "left", "right", "left_label", "right_label", "level", "stations",
                 "count", "replicates", "p", "se", "verdict", "uncertain"});
    const std::vector<Merge> merges = merges_of_run(ctx);
    for (std::int32_t link = 1; link <= static_cast<std::int32_t>(merges.size()); ++link) {
        const Merge& m = merges[at(link - 1)];
        const std::int32_t left = link_left(ctx, link);
        const std::int32_t right = link_right(ctx, link);
        std::vector<std::string> row = {
            std::to_string(link),         std::to_string(left),          std::to_string(right),
            shown_group_label(ctx, left), shown_group_label(ctx, right), shortest_text(m.level),
            std::to_string(m.stations),
        };
        if (tested(ctx, link)) {
            const float count = ctx.LinkStat[at(link)];
            const float p = p_value(count, ctx.NumBoot);
            row.push_back(shortest_text(count));
            row.push_back(std::to_string(ctx.NumBoot));
            row.push_back(shortest_text(p));
            row.push_back(rounded_text(p_standard_error(p, ctx.NumBoot), 6));
        } else {
            row.insert(row.end(), {"", "", "", ""});
        }
        row.push_back(at(link) < ctx.SIG.size() ? ctx.SIG[at(link)] : std::string());
        row.push_back(tested(ctx, link) ? (linkage_uncertain(ctx, link) ? "TRUE" : "FALSE") : "");
        out += csv_row(row);
    }
    return out;
}

}  // namespace tw
