#include "bootstrap/linkage_details.h"
#include "run/array_index.h"

#include <algorithm>
#include <cstddef>
#include <map>

#include "run/group_names.h"

namespace tw {

namespace {

// Identifiers sort as the clusters were numbered: A..Z before AA..AZ, and
// the B-prefixed ones of a large run by their second character.
bool identifier_before(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

LinkageVerdict linkage_verdict(const RunContext& ctx, std::int32_t link) {
    return ctx.Results.at(link).verdict;
}

std::string untested_reason(LinkageVerdict v, SignificanceTest test) {
    const bool profile = test == SignificanceTest::SimilarityProfile;
    switch (v) {
        case Verdict::ContainsSignificant:
            return "Not tested: it contains a linkage already found significant.";
        case Verdict::TooFewObjects:
            return profile ? "Not tested: it joins two objects, whose profile is a single "
                             "resemblance."
                           : "Not tested: the groups it joins hold only two stations in all, "
                             "too few to resample.";
        case Verdict::GivenUp:
            return "Not tested: the replicates were given up after 100 failed "
                   "attempts in a row (all abundances 0).";
        case Verdict::Stopped:
            return "Not tested: the test was stopped before it reached this linkage.";
        case Verdict::NotReached:
            return profile ? "Not tested: a linkage above it showed no structure, so its "
                             "objects are one group."
                           : std::string();
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
    const LinkResult& r = ctx.Results.at(link);
    if (!was_tested(r.verdict)) return std::nullopt;
    return static_cast<float>(r.p);
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
