#include "simprof/profile_time_left.h"
#include "run/array_index.h"

#include <algorithm>
#include <utility>

namespace tw {

namespace {

// Permuted sets of the node under test after which its own pace counts for
// the nodes after it.
constexpr std::int64_t kOwnPaceFrom = 50;

}  // namespace

ProfileTimeLeft::ProfileTimeLeft(std::vector<LinkParts> parts, std::vector<std::int32_t> objects,
                                 std::int64_t node_permutations, std::vector<NodeProbe> probes)
    : parts_(std::move(parts)),
      objects_(std::move(objects)),
      probes_(std::move(probes)),
      permutations_(static_cast<double>(node_permutations)),
      expected_(parts_.size(), 0.0) {
    probes_.resize(parts_.size());
    for (const NodeProbe& p : probes_) probed_ = probed_ || p.seconds >= 0;
    expect_again();
}

double ProfileTimeLeft::pairs(std::int32_t link) const {
    const double m = objects_[at(link)];
    return m * (m - 1) / 2;
}

// One in two before any verdict: the root is always tested and on most
// surveys its own permutations outweigh everything under it.
double ProfileTimeLeft::chance_significant(std::int32_t link) const {
    const NodeProbe& probe = probes_[at(link)];
    if (probe.seconds >= 0) return probe.significant;
    return (significant_ + 1.0) / (tested_ + 2.0);
}

double ProfileTimeLeft::node_seconds(std::int32_t link) const {
    const NodeProbe& probe = probes_[at(link)];
    if (probe.seconds >= 0) return probe.seconds * permutations_ * pace();
    return pair_rate_ * pairs(link) * permutations_;
}

// Seconds per pair and permuted set of the nodes ended, or before any has
// ended, of the probes.
double ProfileTimeLeft::pair_rate() const {
    double seconds = seconds_done_, pair_sets = pairs_done_;
    if (pair_sets <= 0) {
        for (std::size_t l = 1; l < probes_.size(); ++l) {
            if (probes_[l].seconds < 0) continue;
            seconds += probes_[l].seconds * permutations_;
            pair_sets += pairs(static_cast<std::int32_t>(l)) * permutations_;
        }
    }
    return pair_sets > 0 ? seconds / pair_sets : 0.0;
}

// A node of fewer than three objects is never tested, nor anything under it.
double ProfileTimeLeft::expected_under(std::int32_t link) const {
    return link == 0 ? 0.0 : expected_[at(link)];
}

// Linkages are numbered upwards, so each one's parts come before it.
void ProfileTimeLeft::expect_again() {
    pair_rate_ = pair_rate();
    for (std::size_t link = 1; link < expected_.size(); ++link) {
        const auto l = static_cast<std::int32_t>(link);
        if (objects_[link] < 3) {
            expected_[link] = 0;
            continue;
        }
        expected_[link] =
            node_seconds(l) + chance_significant(l) * (expected_under(parts_[link].left) +
                                                       expected_under(parts_[link].right));
    }
}

void ProfileTimeLeft::node_started(std::int32_t link, double now) {
    current_ = link;
    node_start_ = now;
}

void ProfileTimeLeft::node_ended(bool significant, double now) {
    const double seconds = now - node_start_;
    seconds_done_ += seconds;
    pairs_done_ += pairs(current_) * permutations_;
    const NodeProbe& probe = probes_[at(current_)];
    if (probe.seconds > 0) {
        // One node that the system held up, in its probe or in its test,
        // moves the pace at most twofold.
        const double foreseen = probe.seconds * permutations_;
        pace_seconds_ += foreseen * std::clamp(seconds / foreseen, 0.5, 2.0);
        pace_probes_ += foreseen;
    }
    ++tested_;
    if (significant) ++significant_;
    current_ = 0;
    expect_again();
}

double ProfileTimeLeft::pace() const {
    return pace_probes_ > 0 ? pace_seconds_ / pace_probes_ : 1.0;
}

double ProfileTimeLeft::seconds_left(double now, std::int64_t finished,
                                     std::span<const std::int32_t> waiting) const {
    double rest = 0;
    double later = 0;  // the nodes after the current one, at the pace of the ended ones
    double scale = 1;
    if (current_ != 0) {
        const double in_node = now - node_start_;
        const auto done = static_cast<double>(finished);
        rest += done > 0 ? in_node / done * (permutations_ - done)
                         : std::max(node_seconds(current_) - in_node, 0.0);
        later += chance_significant(current_) * (expected_under(parts_[at(current_)].left) +
                                                 expected_under(parts_[at(current_)].right));
        // A probe of a few sets carries its node's fixed costs, which the
        // test spreads over all of them: the node under test, once well
        // under way, says how far, for the nodes after it too.
        const NodeProbe& probe = probes_[at(current_)];
        if (probe.seconds > 0 && finished >= kOwnPaceFrom && in_node > 0) {
            const double foreseen = probe.seconds * done;
            scale = (pace_seconds_ + foreseen * std::clamp(in_node / foreseen, 0.5, 2.0)) /
                    (pace_probes_ + foreseen) / pace();
        }
    }
    if (!probed_ && seconds_done_ <= 0 && finished <= 0) return -1;
    for (const std::int32_t link : waiting) later += expected_under(link);
    return rest + scale * later;
}

}  // namespace tw
