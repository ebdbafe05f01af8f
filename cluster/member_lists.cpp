#include "cluster/member_lists.h"
#include "run/array_index.h"

namespace tw {

MemberListBuilder::MemberListBuilder(std::int32_t n) : latest_(at(n < 0 ? 0 : n) + 1, 0) {}

MemberPart MemberListBuilder::part(std::int32_t x) const {
    const std::int32_t m = latest_[at(x)];
    return m == 0 ? MemberPart::station(x) : MemberPart::cluster_of(m);
}

void MemberListBuilder::record(LinkArrays links, std::int32_t link, std::int32_t i, std::int32_t j,
                               float level) {
    // The arrays handed in are normally sized for every station already;
    // grow them rather than write past their end when they are not.
    if (links.size.size() <= at(link)) links.size.resize(at(link) + 1, 0);
    if (links.level.size() <= at(link)) links.level.resize(at(link) + 1, 0.0f);

    // A linkage's first member is its LinkI, so i's latest linkage is
    // exactly the one that the member-list merge looks for.
    links.members.record(link, part(i), part(j));
    links.size[at(link)] = links.members.size(link);
    links.level[at(link)] = level;
    latest_[at(i)] = link;
}

}  // namespace tw
