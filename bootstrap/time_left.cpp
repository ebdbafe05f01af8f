#include "bootstrap/time_left.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

// Often enough for a display redrawn a few times a second.
constexpr double kEstimateEvery = 0.1;

// A replicate's cost grows as groups^2 in the end (the resemblances and the
// clustering), but the drawing and averaging of the stations weigh on it up
// to a few hundred groups: from 50 to 1,000 groups it grew as groups^1.6 to
// groups^1.8 (Bray-Curtis, UPGMA, 12 to 20 species). The first tenth of a
// test times mostly small linkages, where the fixed part hides the growth,
// so a fitted power below this is taken as this.
constexpr double kLeastPower = 1.7;

}  // namespace

TimeLeft::TimeLeft(const RunContext& ctx, std::int32_t num_boot)
    : links_(at(std::max(ctx.NumGroups - 1, 0)) + 1), num_boot_(std::max(num_boot, 0)) {
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
        link.groups = l < ctx.LinkSize.size() ? ctx.LinkSize[l] : 0;
        link.testable = stations[l] > 2;
    }
}

void TimeLeft::start_link(std::int32_t link, double now) {
    current_ = link;
    link_start_ = now;
    last_replicate_ = now;
    link_replicates_ = 0;
}

void TimeLeft::replicate_done(double now) {
    ++link_replicates_;
    last_replicate_ = now;
    timed_ = true;
}

void TimeLeft::end_link(bool tested, bool significant, double now) {
    const double seconds = now - link_start_;
    if (!tested || link_replicates_ == 0) {
        untested_seconds_ += seconds;
        ++untested_;
    } else {
        const Link& link = links_[at(current_)];
        timed_links_.push_back({link.groups, seconds / link_replicates_});
        ++tested_;
        if (significant) {
            ++significant_;
            links_[at(current_)].found = true;
        }
    }
    link_replicates_ = 0;
    decided_ = current_;
    timed_ = timed_ || tested;
    estimated_at_ = -1;  // what the linkage showed counts at once
}

TimeLeft::Fit TimeLeft::fitted_cost() const {
    Fit fit;
    if (timed_links_.empty()) return fit;
    std::vector<Timed> by_size = timed_links_;
    std::sort(by_size.begin(), by_size.end(),
              [](const Timed& x, const Timed& y) { return x.groups < y.groups; });
    std::vector<double> smallest;
    for (const Timed& t : by_size)
        if (t.groups <= 3) smallest.push_back(t.seconds);
    if (smallest.empty()) smallest.push_back(by_size.front().seconds);
    std::nth_element(smallest.begin(), smallest.begin() + smallest.size() / 2, smallest.end());
    fit.a = smallest[smallest.size() / 2];

    // Points of the larger half that stand clear of the smallest replicates.
    std::vector<double> x, y;
    for (std::size_t i = by_size.size() / 2; i < by_size.size(); ++i) {
        const Timed& t = by_size[i];
        if (t.groups <= 3 || t.seconds <= 1.2 * fit.a) continue;
        x.push_back(std::log(t.groups));
        y.push_back(std::log(t.seconds - fit.a));
    }
    if (x.size() < 3) return fit;
    const double n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    const double spread = n * sxx - sx * sx;
    const double slope = spread > 1e-9 ? (n * sxy - sx * sy) / spread : 2.0;
    fit.k = std::clamp(slope, kLeastPower, 2.0);
    // The level through the middle of the points, unmoved by one outlier.
    std::vector<double> level(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) level[i] = y[i] - fit.k * x[i];
    std::nth_element(level.begin(), level.begin() + level.size() / 2, level.end());
    fit.b = std::exp(level[level.size() / 2]);
    return fit;
}

// The linkage under test and those after it. A linkage is tested when its
// pool has more than two stations and no linkage below it is significant:
// one found so rules it out, and each testable one still to come may turn
// out so, at the share found so far.
double TimeLeft::expected_rest(const Fit& cost) const {
    const double p = tested_ > 0 ? static_cast<double>(significant_) / tested_ : 0.0;
    const double untested = untested_ > 0 ? untested_seconds_ / untested_ : 0.0;
    double rest = 0;
    std::vector<bool> holds(links_.size(), false);
    std::vector<double> pending(links_.size(), 0);  // testable linkages below, undecided
    for (std::size_t l = 1; l < links_.size(); ++l) {
        for (const std::int32_t part : links_[l].parts) {
            if (part == 0) continue;
            const Link& below = links_[at(part)];
            holds[l] = holds[l] || holds[at(part)] || below.found;
            if (part > decided_) pending[l] += pending[at(part)] + (below.testable ? 1 : 0);
        }
        const auto link = static_cast<std::int32_t>(l);
        if (link <= decided_) continue;
        if (link == current_ && link_replicates_ > 0) {
            // Under test: its own replicates so far say what the rest cost.
            const double rate = (last_replicate_ - link_start_) / link_replicates_;
            rest += std::max(num_boot_ - link_replicates_, 0) * rate;
            continue;
        }
        const double q = holds[l] || !links_[l].testable ? 0.0 : std::pow(1 - p, pending[l]);
        const double replicate = cost.a + cost.b * std::pow(links_[l].groups, cost.k);
        rest += q * num_boot_ * replicate + (1 - q) * untested;
    }
    return rest;
}

double TimeLeft::seconds_left(double now) {
    if (!timed_) return -1;
    if (estimated_at_ >= 0 && now - estimated_at_ < kEstimateEvery)
        return std::max(estimate_ - (now - estimated_at_), 0.0);
    estimate_ = expected_rest(fitted_cost());
    estimated_at_ = now;
    return estimate_;
}

}  // namespace tw
