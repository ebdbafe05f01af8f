#include "simprof/profile_walk.h"
#include "run/array_index.h"

#include <chrono>
#include <optional>
#include <utility>

#include "simprof/node_probes.h"
#include "simprof/node_test.h"
#include "simprof/profile_time_left.h"

namespace tw {

namespace {

void show_progress(Host& host, std::int32_t link, std::int32_t objects) {
    host.link_table().clear();
    host.link_table().text("Linkage: ").num(link).end();
    host.messages().clear();
    host.messages().text("Similarity profile of linkage").num(link).text("(").num(objects);
    host.messages().text("objects)").end();
}

// The walk from the root down, with what is left of it for the progress
// display: a linkage that shows no structure takes the tests under it off
// the total.
class ProfileWalk {
  public:
    ProfileWalk(RunContext& ctx, Host& host, const ProfileSettings& settings)
        : ctx_(ctx), host_(host), settings_(settings), parts_(link_parts(ctx)) {
        const std::int32_t links = ctx.NumGroups - 1;
        testable_under_.assign(at(links) + 1, 0);
        for (std::int32_t link = 1; link <= links; ++link) {
            LinkResult& r = ctx.Results.links[at(link)];
            r.objects = ctx.LinkMembers.size(link);
            testable_under_[at(link)] = (r.objects >= 3 ? 1 : 0) +
                                        testable_under_[at(parts_[at(link)].left)] +
                                        testable_under_[at(parts_[at(link)].right)];
        }
        progress_ = TestProgress{0, links, 0, 0, SignificanceTest::SimilarityProfile};
        progress_.replicates_total =
            testable_under_[at(links)] * node_permutations(settings.permutations);
    }

    void run() {
        const std::int32_t links = ctx_.NumGroups - 1;
        std::vector<std::int32_t> objects(at(links) + 1, 0);
        for (std::int32_t link = 1; link <= links; ++link)
            objects[at(link)] = ctx_.Results.links[at(link)].objects;
        time_left_.emplace(parts_, std::move(objects), node_permutations(settings_.permutations),
                           probe_nodes(ctx_, host_, settings_, parts_));
        pending_ = {links};  // the root is the last fusion
        while (!pending_.empty()) {
            const std::int32_t link = pending_.back();
            pending_.pop_back();
            if (stopped_ || !test_link(link)) {
                if (stopped_) mark_stopped(link);
                continue;
            }
            // Left branch first: the later push is taken first.
            if (parts_[at(link)].right != 0) pending_.push_back(parts_[at(link)].right);
            if (parts_[at(link)].left != 0) pending_.push_back(parts_[at(link)].left);
        }
        if (!stopped_) {
            progress_.replicates_total = progress_.replicates_done;
            host_.test_progress(progress_);
        }
    }

    bool stopped() const { return stopped_; }

  private:
    // Tests one node; returns whether its branches are to be tested in turn.
    bool test_link(std::int32_t link) {
        if (host_.stop_requested()) {
            stopped_ = true;
            return false;
        }
        LinkResult& record = ctx_.Results.links[at(link)];
        if (record.objects < 3) {
            record.verdict = Verdict::TooFewObjects;
            return false;
        }
        show_progress(host_, link, record.objects);
        progress_.linkage = link;
        const std::int64_t done_before = progress_.replicates_done;
        host_.test_progress(progress_);
        time_left_->node_started(link, seconds());
        const NodeResult node = test_node(ctx_, host_, settings_, node_objects(ctx_, link),
                                          record.objects, link, progress_, ms_left());
        if (node.stopped) {
            stopped_ = true;
            return false;
        }
        // Other threads may finish the node's last sets after the window
        // thread last reported.
        progress_.replicates_done = done_before + node_permutations(settings_.permutations);
        // Counted in: the real profile, and the null sets as far or farther.
        const std::int32_t objects = record.objects;
        record = tested_link(node.p, std::int64_t{node.as_large} + 1, settings_.permutations,
                             settings_.alpha);
        record.objects = objects;
        record.statistic = node.pi;
        time_left_->node_ended(record.verdict == Verdict::Significant, seconds());
        if (record.verdict == Verdict::NotSignificant) close_branches(link);
        return record.verdict == Verdict::Significant;
    }

    // The time left as the node under test reaches `finished` permutations.
    NodeTimeLeft ms_left() const {
        return [this](std::int64_t finished) {
            const double left = time_left_->seconds_left(seconds(), finished, pending_);
            return left < 0 ? std::int64_t{-1} : static_cast<std::int64_t>(left * 1000.0 + 0.5);
        };
    }

    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    // The tests under a linkage without structure will not be run.
    void close_branches(std::int32_t link) {
        const std::int64_t below =
            testable_under_[at(link)] - (ctx_.Results.links[at(link)].objects >= 3 ? 1 : 0);
        progress_.replicates_total -= below * node_permutations(settings_.permutations);
    }

    // The linkage and every one under it were left without a verdict.
    void mark_stopped(std::int32_t link) {
        std::vector<std::int32_t> under{link};
        while (!under.empty()) {
            const std::int32_t l = under.back();
            under.pop_back();
            if (l == 0) continue;
            LinkResult& r = ctx_.Results.links[at(l)];
            const std::int32_t objects = r.objects;
            r = LinkResult{};
            r.verdict = Verdict::Stopped;
            r.objects = objects;
            under.push_back(parts_[at(l)].left);
            under.push_back(parts_[at(l)].right);
        }
    }

    RunContext& ctx_;
    Host& host_;
    const ProfileSettings& settings_;
    std::vector<LinkParts> parts_;
    std::vector<std::int64_t> testable_under_;  // linkages of 3 or more objects, itself included
    TestProgress progress_;
    std::vector<std::int32_t> pending_;  // linkages to be tested, the next last
    std::optional<ProfileTimeLeft> time_left_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool stopped_ = false;
};

}  // namespace

std::vector<LinkParts> link_parts(const RunContext& ctx) {
    const std::int32_t links = ctx.NumGroups - 1;
    std::vector<LinkParts> parts(at(links < 0 ? 0 : links) + 1);
    std::vector<std::int32_t> formed_by(at(ctx.NumGroups < 0 ? 0 : ctx.NumGroups) + 1, 0);
    for (std::int32_t l = 1; l <= links; ++l) {
        const std::int32_t i = ctx.LinkPair(l, 1);
        const std::int32_t j = ctx.LinkPair(l, 2);
        parts[at(l)] = {formed_by[at(i)], formed_by[at(j)]};
        formed_by[at(i)] = l;
    }
    return parts;
}

namespace {

void start_profile_results(RunContext& ctx, const ProfileSettings& settings) {
    ctx.Results = TestResults{.test = SignificanceTest::SimilarityProfile,
                              .trials = settings.permutations,
                              .alpha_text = settings.alpha_text,
                              .alpha = settings.alpha,
                              .seed = settings.seed,
                              .threads = settings.threads};
}

}  // namespace

bool walk_profile_tests(RunContext& ctx, Host& host, const ProfileSettings& settings) {
    const std::int32_t links = ctx.NumGroups - 1;
    start_profile_results(ctx, settings);
    ctx.Results.links.assign(at(links < 0 ? 0 : links) + 1, LinkResult{});
    if (links < 1) return false;
    ProfileWalk walk(ctx, host, settings);
    walk.run();
    return walk.stopped();
}

}  // namespace tw
