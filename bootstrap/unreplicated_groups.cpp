#include "bootstrap/unreplicated_groups.h"
#include "run/array_index.h"

#include "run/number_format.h"

namespace tw {

namespace {

bool single_stations(const RunContext& ctx, const std::vector<std::int32_t>& members,
                     std::int32_t count) {
    for (std::int32_t k = 1; k <= count; ++k)
        if (ctx.RepCount[at(members[at(k)])] != 1) return false;
    return true;
}

// "3", "3 and 5", "3, 5 and 8".
std::string listed(const std::vector<std::int32_t>& links) {
    std::string text;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (i > 0) text += i + 1 == links.size() ? " and " : ", ";
        text += integer_text(links[i]);
    }
    return text;
}

const char* const kWhatItAsks =
    "The bootstrap test asks whether the stations under a linkage could all be samples of one "
    "community: it pools them and deals them out again at random to the linkage's groups. ";

const char* const kWhatToDo =
    "To test these data, enter the replicate groups in the data file (the stations sampled "
    "from the same place or community), or choose \"Similarity profile (SIMPROF)\" as the test "
    "in the method window, which needs no replicates.";

}  // namespace

UnreplicatedLinks unreplicated_links(const RunContext& ctx) {
    UnreplicatedLinks found;
    found.every_group = ctx.NumGroups > 0 && ctx.NumGroups == ctx.NumRows;
    std::vector<std::int32_t> members;
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        // Two stations in all are never tested, replicates or not.
        const std::int32_t count = ctx.LinkMembers.list(link, members);
        if (count >= 3 && single_stations(ctx, members, count)) found.links.push_back(link);
    }
    return found;
}

std::optional<std::string> unreplicated_warning(const RunContext& ctx) {
    const UnreplicatedLinks found = unreplicated_links(ctx);
    if (found.links.empty()) return std::nullopt;
    std::string text;
    if (found.every_group) {
        text = "Every group in these data holds a single station: there are no replicates. ";
        text += kWhatItAsks;
        text +=
            "With one station per group, the dealt-out groups differ about as much as the real "
            "ones, so the test will almost never find a linkage significant, even between "
            "clearly different communities, and a linkage of two stations cannot be tested at "
            "all. ";
    } else {
        const bool one = found.links.size() == 1;
        text = (one ? "Linkage " : "Linkages ") + listed(found.links) + (one ? " joins" : " join") +
               " only groups of a single station. ";
        text += kWhatItAsks;
        text += one ? "There, " : "At those linkages, ";
        text +=
            "the dealt-out groups differ about as much as the real ones, so the test will "
            "almost never find them significant, even between clearly different communities. ";
    }
    return text + kWhatToDo;
}

}  // namespace tw
