#include "bootstrap/linkage_details.h"

#include <algorithm>
#include <cstddef>
#include <map>

#include "bootstrap/p_value.h"
#include "bootstrap/resample.h"
#include "run/group_names.h"
#include "run/null_host.h"

namespace tw {

namespace {

std::size_t at(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

// LinkStat's reason codes for linkages that were not tested.
constexpr float kContainsSignificant = -100.0f;
constexpr float kNotTested = -999.0f;

// Identifiers sort as the clusters were numbered: A..Z before AA..AZ, and
// the B-prefixed ones of a large run by their second character.
bool identifier_before(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

LinkageVerdict linkage_verdict(const RunContext& ctx, std::int32_t link) {
    if (link < 1 || at(link) >= ctx.SIG.size() || at(link) >= ctx.LinkStat.size()) {
        return LinkageVerdict::NotTestedYet;
    }
    const std::string& sig = ctx.SIG[at(link)];
    const float stat = ctx.LinkStat[at(link)];
    if (sig == "S") return LinkageVerdict::Significant;
    if (sig == "NS") return LinkageVerdict::NotSignificant;
    if (stat == kContainsSignificant) return LinkageVerdict::ContainsSignificant;
    if (stat == kNotTested) {
        NullHost quiet;
        return pool_size(ctx, quiet, link) == 2 ? LinkageVerdict::PoolOfTwo
                                                : LinkageVerdict::GivenUp;
    }
    return LinkageVerdict::NotTestedYet;
}

bool was_tested(LinkageVerdict v) {
    return v == LinkageVerdict::Significant || v == LinkageVerdict::NotSignificant;
}

std::string untested_reason(LinkageVerdict v) {
    switch (v) {
        case LinkageVerdict::ContainsSignificant:
            return "Not tested: it contains a linkage already found significant.";
        case LinkageVerdict::PoolOfTwo:
            return "Not tested: the groups it joins hold only two stations in all, "
                   "too few to resample.";
        case LinkageVerdict::GivenUp:
            return "Not tested: the replicates were given up after 100 failed "
                   "attempts in a row (all abundances 0).";
        default:
            return {};
    }
}

std::vector<std::string> member_labels(const RunContext& ctx, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t count = ctx.LinkMembers.list(link, members);
    std::vector<std::string> labels;
    labels.reserve(at(count));
    for (std::int32_t k = 1; k <= count; ++k) {
        labels.push_back(shown_group_label(ctx, members[at(k)]));
    }
    return labels;
}

std::string joined(const std::vector<std::string>& labels) {
    std::string out;
    for (const std::string& l : labels) {
        if (!out.empty()) out += ", ";
        out += l;
    }
    return out;
}

std::optional<float> linkage_p(const RunContext& ctx, std::int32_t link) {
    if (!was_tested(linkage_verdict(ctx, link)) || ctx.NumBoot <= 0) return std::nullopt;
    return p_value(ctx.LinkStat[at(link)], ctx.NumBoot);
}

std::vector<ClusterMembers> cluster_members(const RunContext& ctx) {
    std::vector<ClusterMembers> clusters;
    for (std::int32_t p = 1; p <= ctx.NumGroups; ++p) {
        if (ctx.Label.empty() || p > ctx.Label.last_row() || ctx.Label.last_col() < 2) break;
        const std::string& id = ctx.Label(p, 2);
        if (id.empty()) continue;
        auto it = std::find_if(clusters.begin(), clusters.end(),
                               [&](const ClusterMembers& c) { return c.identifier == id; });
        if (it == clusters.end()) it = clusters.insert(clusters.end(), {id, {}});
        it->labels.push_back(at(p) < ctx.DendroOrder.size()
                                 ? shown_group_label(ctx, ctx.DendroOrder[at(p)])
                                 : ctx.Label(p, 1));
    }
    std::stable_sort(clusters.begin(), clusters.end(),
                     [](const ClusterMembers& a, const ClusterMembers& b) {
                         return identifier_before(a.identifier, b.identifier);
                     });
    return clusters;
}

}  // namespace tw
