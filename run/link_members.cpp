#include "run/link_members.h"
#include "run/array_index.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace tw {

void MemberLists::recreate(std::int32_t last_link) {
    entries_.assign(at(last_link < 0 ? 0 : last_link) + 1, Entry{});
}

void MemberLists::fit(std::int32_t last_link) {
    if (last_link >= 0 && entries_.size() <= at(last_link)) entries_.resize(at(last_link) + 1);
}

std::int32_t MemberLists::last_link() const {
    return entries_.empty() ? 0 : static_cast<std::int32_t>(entries_.size()) - 1;
}

const MemberLists::Entry* MemberLists::entry(std::int32_t link) const {
    if (link < 1 || at(link) >= entries_.size()) return nullptr;
    return &entries_[at(link)];
}

// The size of a part of `link`; a part that names no station and no earlier
// recorded linkage would leave the listing without an end.
std::int32_t MemberLists::part_size(std::int32_t code, std::int32_t link) const {
    if (code > 0) return 1;
    const Entry* earlier = code < 0 && -code < link ? entry(-code) : nullptr;
    if (earlier == nullptr || earlier->size == 0) {
        throw std::invalid_argument("linkage " + std::to_string(link) +
                                    " joins a cluster not formed before it");
    }
    return earlier->size;
}

void MemberLists::record(std::int32_t link, MemberPart first, MemberPart second) {
    if (link < 1) throw std::invalid_argument("linkages are numbered from 1");
    const std::int64_t size =
        std::int64_t{part_size(first.code(), link)} + part_size(second.code(), link);
    if (size > std::numeric_limits<std::int32_t>::max())
        throw std::invalid_argument("linkage " + std::to_string(link) + " is too large");
    fit(link);
    Entry& e = entries_[at(link)];
    e.first_part = first.code();
    e.second_part = second.code();
    e.first_member = first.code() > 0 ? first.code() : entries_[at(-first.code())].first_member;
    e.size = static_cast<std::int32_t>(size);
}

std::int32_t MemberLists::size(std::int32_t link) const {
    const Entry* e = entry(link);
    return e == nullptr ? 0 : e->size;
}

std::int32_t MemberLists::first_member(std::int32_t link) const {
    const Entry* e = entry(link);
    return e == nullptr ? 0 : e->first_member;
}

std::array<std::int32_t, 2> MemberLists::parts(std::int32_t link) const {
    const Entry* e = entry(link);
    if (e == nullptr) return {0, 0};
    return {e->first_part, e->second_part};
}

std::int32_t MemberLists::list(std::int32_t link, std::vector<std::int32_t>& out) const {
    const std::int32_t total = size(link);
    out.resize(at(total) + 1);
    out[0] = 0;
    if (total == 0) return 0;
    // The parts still to be spelled out wait on a stack kept at the back of
    // `out` itself, the next part to visit lowest. Every waiting part has at
    // least one member not yet written, so the written front never reaches
    // the stack; a chaining hierarchy stacks up to n parts, which is why this
    // is a loop and not a recursion.
    std::size_t next = 1;         // where the next member goes
    std::size_t top = at(total);  // the stack is out[top..total]
    out[top] = MemberPart::cluster_of(link).code();
    while (top <= at(total)) {
        const std::int32_t code = out[top++];
        if (code > 0) {
            out[next++] = code;
            continue;
        }
        // A linkage re-recorded since (a reused buffer of an earlier
        // clustering) can make an entry disagree with the sizes of its parts.
        if (top < next + 2) throw std::logic_error("the member lists have been overwritten");
        const Entry& e = entries_[at(-code)];
        out[--top] = e.second_part;
        out[--top] = e.first_part;
    }
    if (next != at(total) + 1) throw std::logic_error("the member lists have been overwritten");
    return total;
}

}  // namespace tw
