#include "simprof/profile_time_left.h"
#include "run/array_index.h"

#include <utility>

namespace tw {

ProfileTimeLeft::ProfileTimeLeft(std::vector<LinkParts> parts, std::vector<std::int32_t> objects,
                                 std::int64_t node_permutations)
    : parts_(std::move(parts)),
      objects_(std::move(objects)),
      permutations_(static_cast<double>(node_permutations)),
      expected_(parts_.size(), 0.0) {
    expect_again();
}

double ProfileTimeLeft::pairs(std::int32_t link) const {
    const double m = objects_[at(link)];
    return m * (m - 1) / 2;
}

// One in two before any verdict: the root is always tested and on most
// surveys its own permutations outweigh everything under it.
double ProfileTimeLeft::significant_share() const {
    return (significant_ + 1.0) / (tested_ + 2.0);
}

// A node of fewer than three objects is never tested, nor anything under it.
double ProfileTimeLeft::expected_under(std::int32_t link) const {
    return link == 0 ? 0.0 : expected_[at(link)];
}

// Linkages are numbered upwards, so each one's parts come before it.
void ProfileTimeLeft::expect_again() {
    const double share = significant_share();
    for (std::size_t link = 1; link < expected_.size(); ++link) {
        const auto l = static_cast<std::int32_t>(link);
        if (objects_[link] < 3) {
            expected_[link] = 0;
            continue;
        }
        expected_[link] = pairs(l) * permutations_ + share * (expected_under(parts_[link].left) +
                                                              expected_under(parts_[link].right));
    }
}

void ProfileTimeLeft::node_started(std::int32_t link) {
    current_ = link;
}

void ProfileTimeLeft::node_ended(bool significant) {
    done_ += pairs(current_) * permutations_;
    ++tested_;
    if (significant) ++significant_;
    current_ = 0;
    expect_again();
}

double ProfileTimeLeft::seconds_left(double elapsed, std::int64_t finished,
                                     std::span<const std::int32_t> waiting) const {
    double done = done_;
    double rest = 0;
    if (current_ != 0) {
        const double share = significant_share();
        done += pairs(current_) * static_cast<double>(finished);
        rest += pairs(current_) * (permutations_ - static_cast<double>(finished)) +
                share * (expected_under(parts_[at(current_)].left) +
                         expected_under(parts_[at(current_)].right));
    }
    if (done <= 0) return -1;
    for (const std::int32_t link : waiting) rest += expected_under(link);
    return elapsed / done * rest;
}

}  // namespace tw
