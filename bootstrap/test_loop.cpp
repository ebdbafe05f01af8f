#include "bootstrap/test_loop.h"
#include "run/array_index.h"

#include <chrono>
#include <utility>

#include "bootstrap/siglist.h"
#include "bootstrap/significance.h"
#include "bootstrap/time_left.h"

namespace tw {

namespace {

enum class LinkEnd { Tested, NotTested, Abandoned, Stopped };

// The progress the host is told of, with the time left learnt as the test
// goes.
class LoopProgress {
  public:
    LoopProgress(const RunContext& ctx, const TestSettings& settings, TestProgress start,
                 std::vector<LinkProbe> probes)
        : shown(start), time_left_(ctx, settings.num_boot, settings.alpha, std::move(probes)) {}

    void start_link(std::int32_t link) { time_left_.start_link(link, seconds()); }
    void replicate_done(bool beyond) {
        ++shown.replicates_done;
        time_left_.replicate_done(beyond, seconds());
    }
    void end_link(bool tested, bool significant) {
        time_left_.end_link(tested, significant, seconds());
    }
    void report(Host& host) {
        const double left = time_left_.seconds_left(seconds());
        shown.ms_left = left < 0 ? -1 : static_cast<std::int64_t>(left * 1000.0 + 0.5);
        host.test_progress(shown);
    }

    TestProgress shown;

  private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    TimeLeft time_left_;
};

bool marked_significant(const RunContext& ctx, std::int32_t link) {
    return at(link) < ctx.SIG.size() && ctx.SIG[at(link)] == "S";
}

void give_up(RunContext& ctx, Host& host, std::int32_t link) {
    ctx.LinkStat[at(link)] = kUntestableLink;
    ctx.ResampleRetries = 0;
    host.messages().text("All abundances 0 -- ").end();
    host.messages().text("no test will be performed on link: ").num(link).end();
}

// Hands every attempt to one runner, for loops that do not care which
// replicate an attempt belongs to.
class RunnerAttempts : public ReplicateAttempts {
  public:
    explicit RunnerAttempts(const ReplicateRunner& runner) : runner_(runner) {}
    void start_link(std::int32_t link, const SamplePool& pool, std::int32_t) override {
        link_ = link;
        pool_ = &pool;
    }
    ReplicateResult attempt(std::int32_t, std::int32_t) override { return runner_(link_, *pool_); }

  private:
    const ReplicateRunner& runner_;
    std::int32_t link_ = 0;
    const SamplePool* pool_ = nullptr;
};

// Ends the linkage's replicate loop however it is left, so that no attempt
// of it goes on behind a give-up, an abandon or an error.
class LinkAttempts {
  public:
    LinkAttempts(ReplicateAttempts& attempts, std::int32_t link, const SamplePool& pool,
                 std::int32_t num_boot)
        : attempts_(attempts) {
        attempts_.start_link(link, pool, num_boot);
    }
    ~LinkAttempts() { attempts_.end_link(); }
    LinkAttempts(const LinkAttempts&) = delete;
    LinkAttempts& operator=(const LinkAttempts&) = delete;

    ReplicateResult attempt(std::int32_t number, std::int32_t attempt) {
        return attempts_.attempt(number, attempt);
    }

  private:
    ReplicateAttempts& attempts_;
};

// The replicate loop of one linkage. Replicate b is drawn again under the
// same number after a resample exit, until kResampleLimit exits in a row, or
// redraw_limit exits in all, give the linkage up.
LinkEnd run_replicates(RunContext& ctx, Host& host, const TestSettings& settings,
                       ReplicateAttempts& attempts, std::int32_t link, const SamplePool& pool,
                       LoopProgress& progress) {
    Printer& messages = host.messages();
    const float observed = ctx.LinkLevel[at(link)];
    ctx.LinkRedrawn[at(link)] = Redrawn::No;
    messages.clear();
    LinkAttempts replicates(attempts, link, pool, settings.num_boot);
    std::int32_t attempt = 1;
    std::int64_t redraws = 0;
    for (std::int32_t b = 1; b <= settings.num_boot;) {
        if (host.stop_requested()) return LinkEnd::Stopped;
        messages.num(b).end();
        if (b % 15 == 0) messages.clear();
        const ReplicateResult result = replicates.attempt(b, attempt);
        if (result.exit == RoutineExit::Resample) {
            // The counter only grows by one per exit and every computed
            // pair resets it, so it meets the limit exactly.
            if (ctx.ResampleRetries >= kResampleLimit ||
                ++redraws >= redraw_limit(settings.num_boot)) {
                give_up(ctx, host, link);
                return LinkEnd::NotTested;
            }
            ctx.LinkRedrawn[at(link)] = Redrawn::Yes;
            host.yield();
            ++attempt;
            continue;
        }
        if (result.exit == RoutineExit::Abandoned) return LinkEnd::Abandoned;
        const bool beyond = at_or_beyond(result.final_level, observed, result.distance_flag);
        if (beyond) ctx.LinkStat[at(link)] += 1.0f;
        progress.replicate_done(beyond);
        progress.report(host);
        host.yield();
        ++b;
        attempt = 1;
    }
    return LinkEnd::Tested;
}

LinkEnd test_one_link(RunContext& ctx, Host& host, const TestSettings& settings,
                      ReplicateAttempts& attempts, std::int32_t link, LoopProgress& progress) {
    host.link_table().clear();
    host.link_table().text("Linkage: ").num(link).end();
    if (contains_significant_link(ctx, host, link)) {
        ctx.LinkStat[at(link)] = kNestedLink;
        return LinkEnd::NotTested;
    }
    // Two stations in all: every replicate is one of the same few
    // rearrangements, so the test could not tell anything apart.
    if (pool_size(ctx, host, link) == 2) {
        ctx.LinkStat[at(link)] = kUntestableLink;
        return LinkEnd::NotTested;
    }
    const SamplePool pool = fill_sample_pool(ctx, host, link);
    const LinkEnd end = run_replicates(ctx, host, settings, attempts, link, pool, progress);
    if (end != LinkEnd::Tested) return end;
    ctx.SIG[at(link)] = verdict(ctx.LinkStat[at(link)], settings.num_boot, settings.alpha);
    append_siglist_line(ctx, host, link, ctx.SIG[at(link)]);
    return end;
}

}  // namespace

void prepare_link_records(RunContext& ctx) {
    const std::int32_t links = ctx.NumRows - 1 < 0 ? 0 : ctx.NumRows - 1;
    ctx.LinkPair.recreate(links, 2);
    const auto& left = ctx.work.LinkI;
    const auto& right = ctx.work.LinkJ;
    for (std::int32_t i = 1; i <= links; ++i) {
        if (at(i) < left.size()) ctx.LinkPair(i, 1) = left[at(i)];
        if (at(i) < right.size()) ctx.LinkPair(i, 2) = right[at(i)];
    }
    ctx.LinkRedrawn.assign(at(links) + 1, Redrawn::NotTested);
}

bool contains_significant_link(const RunContext& ctx, Host& host, std::int32_t link) {
    std::vector<std::int32_t> below;  // clusters still to visit, as linkage numbers
    for (const std::int32_t code : ctx.LinkMembers.parts(link))
        if (code < 0) below.push_back(-code);
    while (!below.empty()) {
        const std::int32_t cluster = below.back();
        below.pop_back();
        if (marked_significant(ctx, cluster)) return true;
        for (const std::int32_t code : ctx.LinkMembers.parts(cluster))
            if (code < 0) below.push_back(-code);
        host.yield();
    }
    return false;
}

std::vector<bool> links_containing_significant(const RunContext& ctx) {
    const std::int32_t links = ctx.NumGroups - 1 < 0 ? 0 : ctx.NumGroups - 1;
    std::vector<bool> contains(at(links) + 1, false);
    // A part formed at an earlier linkage has its answer already.
    for (std::int32_t link = 1; link <= links; ++link) {
        for (const std::int32_t code : ctx.LinkMembers.parts(link)) {
            const std::int32_t part = -code;
            if (part < 1 || part >= link) continue;
            if (marked_significant(ctx, part) || contains[at(part)]) contains[at(link)] = true;
        }
    }
    return contains;
}

std::string verdict(float count, std::int32_t num_boot, float alpha) {
    return is_significant(bootstrap_p(count, num_boot), alpha) ? "S" : "NS";
}

LoopResult run_test_loop(RunContext& ctx, Host& host, const TestSettings& settings,
                         ReplicateAttempts& attempts, std::vector<LinkProbe> probes) {
    // A linkage that needs no replicates, or is given up, still counts as
    // its share of the work, so the progress reaches its total at the end.
    const std::int32_t links = ctx.NumGroups - 1 < 0 ? 0 : ctx.NumGroups - 1;
    const std::int64_t per_link = settings.num_boot < 0 ? 0 : settings.num_boot;
    LoopProgress progress(ctx, settings, TestProgress{0, links, 0, per_link * links},
                          std::move(probes));
    for (std::int32_t link = 1; link <= links; ++link) {
        if (host.stop_requested()) return LoopResult{false, 0, true, link};
        progress.shown.linkage = link;
        progress.shown.replicates_done = per_link * (link - 1);
        progress.start_link(link);
        progress.report(host);
        const LinkEnd end = test_one_link(ctx, host, settings, attempts, link, progress);
        switch (end) {
            case LinkEnd::Abandoned:
                return LoopResult{true, link};
            case LinkEnd::Stopped:
                return LoopResult{false, 0, true, link};
            default:
                progress.end_link(end == LinkEnd::Tested, ctx.SIG[at(link)] == "S");
        }
    }
    if (links > 0) {
        progress.shown.replicates_done = progress.shown.replicates_total;
        progress.shown.ms_left = 0;
        host.test_progress(progress.shown);
    }
    return LoopResult{};
}

LoopResult run_test_loop(RunContext& ctx, Host& host, const TestSettings& settings,
                         const ReplicateRunner& replicate) {
    RunnerAttempts attempts(replicate);
    return run_test_loop(ctx, host, settings, attempts);
}

}  // namespace tw
