#include "export/merge_tree.h"
#include "run/array_index.h"

namespace tw {

namespace {

bool has_link_pairs(const RunContext& ctx) {
    return !ctx.LinkPair.empty() && ctx.LinkPair.last_row() >= ctx.NumGroups - 1;
}

}  // namespace

std::int32_t link_left(const RunContext& ctx, std::int32_t link) {
    return has_link_pairs(ctx) ? ctx.LinkPair(link, 1) : ctx.work.LinkI[at(link)];
}

std::int32_t link_right(const RunContext& ctx, std::int32_t link) {
    return has_link_pairs(ctx) ? ctx.LinkPair(link, 2) : ctx.work.LinkJ[at(link)];
}

std::vector<Merge> merges_of_run(const RunContext& ctx) {
    const std::int32_t n = ctx.NumGroups;
    std::vector<Merge> merges;
    if (n < 2) return merges;
    merges.reserve(at(n - 1));

    // node_of[g]: the node that representative g stands for now; a merged
    // cluster is represented by its LinkI side.
    std::vector<std::int32_t> node_of(at(n) + 1);
    std::vector<std::int32_t> groups(at(2 * n - 1), 1);
    std::vector<std::int32_t> stations(at(2 * n - 1), 0);
    for (std::int32_t g = 1; g <= n; ++g) {
        node_of[at(g)] = g - 1;
        stations[at(g - 1)] = ctx.RepCount[at(g)];
    }
    for (std::int32_t link = 1; link <= n - 1; ++link) {
        const std::int32_t i = link_left(ctx, link);
        const std::int32_t j = link_right(ctx, link);
        Merge m;
        m.left = node_of[at(i)];
        m.right = node_of[at(j)];
        m.level = ctx.LinkLevel[at(link)];
        const std::int32_t node = n + link - 1;
        groups[at(node)] = groups[at(m.left)] + groups[at(m.right)];
        stations[at(node)] = stations[at(m.left)] + stations[at(m.right)];
        m.groups = groups[at(node)];
        m.stations = stations[at(node)];
        node_of[at(i)] = node;
        merges.push_back(m);
    }
    return merges;
}

}  // namespace tw
