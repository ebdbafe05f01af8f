#include "export/newick.h"
#include "run/array_index.h"

#include <cmath>
#include <utility>

#include "export/merge_tree.h"
#include "export/number_text.h"
#include "run/group_names.h"

namespace tw {

namespace {

struct TreeText {
    const RunContext& ctx;
    const std::vector<Merge>& merges;
    std::vector<float> height;  // per node
    std::string out;

    std::int32_t tips() const { return ctx.NumGroups; }

    void branch_length(std::int32_t child, std::int32_t parent) {
        const float length = height[at(parent)] - height[at(child)];
        if (std::isfinite(length)) out += ":" + shortest_text(length);
    }

    void internal_label(std::int32_t node) {
        const std::int32_t link = node - tips() + 1;
        // P of the test that ran, as its report shows it; none when untested.
        const LinkResult& r = ctx.Results.at(link);
        if (was_tested(r.verdict)) out += shortest_text(static_cast<float>(r.p));
    }

    // Depth first without recursion: a chaining hierarchy of thousands of
    // groups is thousands of levels deep.
    void write(std::int32_t root) {
        enum class Step { Open, Between, Close };
        std::vector<std::pair<std::int32_t, Step>> stack{{root, Step::Open}};
        while (!stack.empty()) {
            auto [node, step] = stack.back();
            stack.pop_back();
            if (node < tips()) {
                out += newick_label(shown_group_label(ctx, node + 1));
                continue;
            }
            const Merge& m = merges[at(node - tips())];
            switch (step) {
                case Step::Open:
                    out += '(';
                    stack.push_back({node, Step::Between});
                    stack.push_back({m.left, Step::Open});
                    break;
                case Step::Between:
                    branch_length(m.left, node);
                    out += ',';
                    stack.push_back({node, Step::Close});
                    stack.push_back({m.right, Step::Open});
                    break;
                case Step::Close:
                    branch_length(m.right, node);
                    out += ')';
                    internal_label(node);
                    break;
            }
        }
    }
};

}  // namespace

std::string newick_label(const std::string& label) {
    if (!label.empty() && label.find_first_of(" \t\r\n_,()[]:;'\"") == std::string::npos)
        return label;
    std::string quoted = "'";
    for (char c : label) {
        if (c == '\'') quoted += '\'';
        quoted += c;
    }
    quoted += '\'';
    return quoted;
}

std::string newick_tree(const RunContext& ctx, const LevelConversion& conversion) {
    const std::vector<Merge> merges = merges_of_run(ctx);
    TreeText tree{ctx, merges, std::vector<float>(at(ctx.NumGroups) + merges.size(), 0.0f), {}};
    for (std::size_t i = 0; i < merges.size(); ++i)
        tree.height[at(ctx.NumGroups) + i] = conversion.height(merges[i].level);
    if (ctx.NumGroups >= 1)
        tree.write(ctx.NumGroups - 1 + static_cast<std::int32_t>(merges.size()));
    tree.out += ";\n";
    return tree.out;
}

}  // namespace tw
