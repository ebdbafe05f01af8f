#include "cluster/member_lists.h"

namespace tw {

namespace {

std::size_t at(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

}  // namespace

MemberListBuilder::MemberListBuilder(std::int32_t n) : latest_(at(n < 0 ? 0 : n) + 1, 0) {}

void MemberListBuilder::append_members(LinkArrays links, std::int32_t x,
                                       std::vector<std::int32_t>& row, std::int32_t& p) const {
    const std::int32_t m = latest_[at(x)];
    if (m == 0) {
        row[at(p++)] = x;
        return;
    }
    const std::vector<std::int32_t>& earlier = links.members[at(m)];
    const std::int32_t count = links.size[at(m)];
    for (std::int32_t q = 1; q <= count; ++q) row[at(p++)] = earlier[at(q)];
}

void MemberListBuilder::record(LinkArrays links, std::int32_t link, std::int32_t i, std::int32_t j,
                               float level) {
    // The arrays handed in are normally sized for every station already;
    // grow them rather than write past their end when they are not.
    if (links.members.size() <= at(link)) links.members.resize(at(link) + 1);
    if (links.size.size() <= at(link)) links.size.resize(at(link) + 1, 0);
    if (links.level.size() <= at(link)) links.level.resize(at(link) + 1, 0.0f);

    const std::int32_t size_i = latest_[at(i)] == 0 ? 1 : links.size[at(latest_[at(i)])];
    const std::int32_t size_j = latest_[at(j)] == 0 ? 1 : links.size[at(latest_[at(j)])];
    std::vector<std::int32_t>& row = links.members[at(link)];
    if (row.size() <= at(size_i + size_j)) row.resize(at(size_i + size_j) + 1, 0);

    std::int32_t p = 1;
    append_members(links, i, row, p);
    append_members(links, j, row, p);
    links.size[at(link)] = p - 1;
    links.level[at(link)] = level;
    latest_[at(i)] = link;
}

}  // namespace tw
