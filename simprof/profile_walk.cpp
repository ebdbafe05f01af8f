#include "simprof/profile_walk.h"

#include "simprof/node_test.h"

namespace tw {

namespace {

std::size_t at(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

// The observed objects under linkage `link`, in its member order.
Matrix<float> node_objects(const RunContext& ctx, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t m = ctx.LinkMembers.list(link, members);
    Matrix<float> objects(m, ctx.NumVars);
    for (std::int32_t i = 1; i <= m; ++i)
        for (std::int32_t s = 1; s <= ctx.NumVars; ++s)
            objects(i, s) = ctx.AvgMatrix(members[at(i)], s);
    return objects;
}

void show_progress(Host& host, std::int32_t link, std::int32_t objects) {
    host.link_table().clear();
    host.link_table().text("Linkage: ").num(link).end();
    host.messages().clear();
    host.messages().text("Similarity profile of linkage").num(link).text("(").num(objects);
    host.messages().text("objects)").end();
}

// Tests one node; returns whether its branches are to be tested in turn.
bool test_link(RunContext& ctx, Host& host, const ProfileSettings& settings, std::int32_t link) {
    ProfileLinkRecord& record = ctx.ProfileLinks[at(link)];
    if (record.objects < 3) {
        record.verdict = ProfileVerdict::TooFewObjects;
        return false;
    }
    show_progress(host, link, record.objects);
    const NodeResult result =
        test_node(ctx, host, settings, node_objects(ctx, link), record.objects, link);
    record.pi = static_cast<float>(result.pi);
    record.p = result.p;
    record.as_large = result.as_large;
    // A P equal to alpha is significant, as in the bootstrap test.
    const bool significant = settings.alpha >= result.p;
    record.verdict = significant ? ProfileVerdict::Significant : ProfileVerdict::NotSignificant;
    return significant;
}

}  // namespace

std::vector<LinkParts> link_parts(const RunContext& ctx) {
    const std::int32_t links = ctx.NumGroups - 1;
    std::vector<LinkParts> parts(at(links < 0 ? 0 : links) + 1);
    std::vector<std::int32_t> formed_by(at(ctx.NumGroups < 0 ? 0 : ctx.NumGroups) + 1, 0);
    for (std::int32_t l = 1; l <= links; ++l) {
        const std::int32_t i = ctx.LinkPair(l, 1);
        const std::int32_t j = ctx.LinkPair(l, 2);
        parts[at(l)] = {formed_by[at(i)], formed_by[at(j)]};
        formed_by[at(i)] = l;
    }
    return parts;
}

void walk_profile_tests(RunContext& ctx, Host& host, const ProfileSettings& settings) {
    const std::int32_t links = ctx.NumGroups - 1;
    ctx.ProfileLinks.assign(at(links < 0 ? 0 : links) + 1, ProfileLinkRecord{});
    if (links < 1) return;
    for (std::int32_t link = 1; link <= links; ++link)
        ctx.ProfileLinks[at(link)].objects = ctx.LinkMembers.size(link);
    const std::vector<LinkParts> parts = link_parts(ctx);
    std::vector<std::int32_t> pending{links};  // the root is the last fusion
    while (!pending.empty()) {
        const std::int32_t link = pending.back();
        pending.pop_back();
        if (!test_link(ctx, host, settings, link)) continue;
        // Left branch first: the later push is taken first.
        if (parts[at(link)].right != 0) pending.push_back(parts[at(link)].right);
        if (parts[at(link)].left != 0) pending.push_back(parts[at(link)].left);
    }
}

}  // namespace tw
