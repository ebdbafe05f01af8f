#include "bootstrap/time_left.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>

#include "run/link_result.h"

namespace tw {

namespace {

// Often enough for a display redrawn a few times a second. A verdict counts
// from the next estimate, not at once: working it out again after every
// linkage walked every linkage to come each time, which on 10,000 single
// stations tested with one replicate each was a twentieth of the run.
constexpr double kEstimateEvery = 0.1;

// Replicates of the linkage under test after which its own count says more
// of its verdict than its probe did.
constexpr std::int32_t kOwnCountFrom = 20;

}  // namespace

TimeLeft::TimeLeft(const RunContext& ctx, std::int32_t num_boot, float alpha,
                   std::vector<LinkProbe> probes)
    : links_(at(std::max(ctx.NumGroups - 1, 0)) + 1),
      num_boot_(std::max(num_boot, 0)),
      alpha_(alpha),
      probed_(!probes.empty()) {
    std::vector<double> stations(links_.size(), 0);
    for (std::size_t l = 1; l < links_.size(); ++l) {
        Link& link = links_[l];
        const auto codes = ctx.LinkMembers.parts(static_cast<std::int32_t>(l));
        for (std::size_t k = 0; k < 2; ++k) {
            const std::int32_t code = codes[k];
            if (code < 0 && at(-code) < l) {
                link.parts[k] = -code;
                stations[l] += stations[at(-code)];
            } else if (code > 0 && at(code) < ctx.RepCount.size()) {
                stations[l] += ctx.RepCount[at(code)];
            }
        }
        const double groups = l < ctx.LinkSize.size() ? ctx.LinkSize[l] : 0;
        link.work = stations[l] + groups * groups;
        link.testable = stations[l] > 2;
        if (l < probes.size()) link.probe = probes[l];
    }
}

void TimeLeft::start_link(std::int32_t link, double now) {
    current_ = link;
    link_start_ = now;
    last_replicate_ = now;
    link_replicates_ = 0;
    link_beyond_ = 0;
}

void TimeLeft::replicate_done(bool beyond, double now) {
    ++link_replicates_;
    link_beyond_ += beyond ? 1 : 0;
    last_replicate_ = now;
    timed_ = true;
}

void TimeLeft::end_link(bool tested, bool significant, double now) {
    const double seconds = now - link_start_;
    Link& link = links_[at(current_)];
    if (!tested || link_replicates_ == 0) {
        untested_seconds_ += seconds;
        ++untested_;
    } else {
        const double per_replicate = seconds / link_replicates_;
        work_seconds_ += per_replicate;
        work_done_ += link.work;
        if (link.probe.seconds > 0) {
            Pace& pace = pace_[link.probe.shares_cores ? 1 : 0];
            // One linkage that the system held up, in its probe or in its
            // test, moves the pace at most twofold.
            pace.seconds +=
                link.probe.seconds * std::clamp(per_replicate / link.probe.seconds, 0.5, 2.0);
            pace.probe_seconds += link.probe.seconds;
        }
        ++tested_;
        if (significant) {
            ++significant_;
            link.found = true;
        }
    }
    link_replicates_ = 0;
    decided_ = current_;
    timed_ = timed_ || tested;
}

// Until a linkage whose replicates share the cores has been timed, they
// take the pace of the others: a machine that grew busier since the probes
// slows both.
double TimeLeft::replicate_cost(const Link& link) const {
    if (link.probe.seconds >= 0) {
        const Pace& own = pace_[link.probe.shares_cores ? 1 : 0];
        const Pace& other = pace_[link.probe.shares_cores ? 0 : 1];
        return link.probe.seconds * (own.probe_seconds > 0 ? own.ratio() : other.ratio());
    }
    return work_done_ > 0 ? work_seconds_ / work_done_ * link.work : 0.0;
}

// From the replicates so far, the count the linkage will end with and its
// spread, against the most a significant P allows; before enough of them,
// its probe's chance, or without one the share found so far.
double TimeLeft::chance_current_significant(double found_share) const {
    const Link& link = links_[at(current_)];
    if (link_replicates_ < kOwnCountFrom || num_boot_ < 1)
        return link.probe.seconds >= 0 ? link.probe.significant : found_share;
    const double beyond = static_cast<double>(link_beyond_) / link_replicates_;
    const double rest = std::max(num_boot_ - link_replicates_, 0);
    const double expected = link_beyond_ + beyond * rest;
    const double spread =
        std::sqrt(rest * std::max(beyond * (1 - beyond), 0.25 / link_replicates_));
    const double most = static_cast<double>(alpha_) * num_boot_;
    if (spread <= 0) return expected <= most ? 1.0 : 0.0;
    return normal_upper_tail((expected - most) / spread);
}

// The linkage under test and those after it.
double TimeLeft::expected_rest() const {
    const double share = tested_ > 0 ? static_cast<double>(significant_) / tested_ : 0.0;
    const double untested = untested_ > 0 ? untested_seconds_ / untested_ : 0.0;
    double rest = 0;
    // not_ruled_out[l]: the chance that no linkage below l is significant.
    std::vector<double> not_ruled_out(links_.size(), 1.0);
    for (std::size_t l = 1; l < links_.size(); ++l) {
        const auto link = static_cast<std::int32_t>(l);
        for (const std::int32_t part : links_[l].parts) {
            if (part == 0) continue;
            const Link& below = links_[at(part)];
            double clear = not_ruled_out[at(part)];
            if (below.found) {
                clear = 0;
            } else if (part > decided_ && below.testable) {
                const double chance = part == current_           ? chance_current_significant(share)
                                      : below.probe.seconds >= 0 ? below.probe.significant
                                                                 : share;
                clear *= 1 - chance;
            }
            not_ruled_out[l] *= clear;
        }
        if (link <= decided_) continue;
        if (link == current_ && link_replicates_ > 0) {
            // Under test: its own replicates so far say what the rest cost.
            const double rate = (last_replicate_ - link_start_) / link_replicates_;
            rest += std::max(num_boot_ - link_replicates_, 0) * rate;
            continue;
        }
        const double q = links_[l].testable ? not_ruled_out[l] : 0.0;
        rest += q * num_boot_ * replicate_cost(links_[l]) + (1 - q) * untested;
    }
    return rest;
}

double TimeLeft::seconds_left(double now) {
    if (!timed_ && !probed_) return -1;
    if (estimated_at_ >= 0 && now - estimated_at_ < kEstimateEvery)
        return std::max(estimate_ - (now - estimated_at_), 0.0);
    estimate_ = expected_rest();
    estimated_at_ = now;
    return estimate_;
}

}  // namespace tw
