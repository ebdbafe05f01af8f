#include "bootstrap/link_probes.h"
#include "run/array_index.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "bootstrap/parallel_replicates.h"
#include "bootstrap/replicate.h"
#include "bootstrap/replicate_inputs.h"
#include "bootstrap/replicate_streams.h"
#include "bootstrap/resample.h"
#include "run/null_host.h"

namespace tw {

namespace {

// Test attempts count from 1, so attempt 0 gives the probes streams that no
// replicate of the test draws.
constexpr std::int32_t kProbeAttempt = 0;

struct ProbeWorker {
    RunContext ctx;
    NullHost host;
    ReplicateScratch scratch;
    RandomSource stream;
};

// The level of one probe replicate, or NaN when it has none (a resample
// exit, or an error the test itself will report when it meets it).
float probe_level(ProbeWorker& w, std::uint64_t seed, std::int32_t link, const SamplePool& pool,
                  std::int32_t number) noexcept {
    try {
        w.ctx.ResampleRetries = 0;
        seed_replicate_stream(w.stream, seed, ReplicateId{link, number, kProbeAttempt});
        const ReplicateResult r =
            run_bootstrap_replicate(w.ctx, w.host, link, pool, w.stream, w.scratch);
        return r.exit == RoutineExit::Normal ? r.final_level : std::nanf("");
    } catch (...) {
        return std::nanf("");
    }
}

class Prober {
  public:
    Prober(const RunContext& ctx, Host& host, const ProbeSettings& settings)
        : ctx_(ctx), host_(host), settings_(settings) {
        for (unsigned i = 0; i < std::max(settings.threads, 1u); ++i) {
            workers_.push_back(std::make_unique<ProbeWorker>());
            copy_replicate_inputs(ctx, workers_.back()->ctx);
        }
    }

    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

    // Probes one linkage as its test will run it: on the worker threads
    // when its replicates are large enough to share, else on this thread.
    LinkProbe probe(std::int32_t link) {
        const SamplePool pool = fill_sample_pool(ctx_, host_, link);
        LinkProbe result;
        if (pool.size() <= 3) return result;  // entries 1..2: a pool of two is never tested
        result.shares_cores = settings_.threads > 1 && replicates_share_cores(ctx_, link, pool);
        // A pool of a few stations deals the observed groups out again only
        // now and then, at exactly their level; its replicates take
        // microseconds, so it draws more of them.
        const std::int32_t count = static_cast<std::int32_t>(pool.size()) - 1 <= kFewStations
                                       ? std::max(settings_.replicates, kFewStationsReplicates)
                                       : settings_.replicates;
        std::vector<Drawn> drawn(at(count) + 1);
        next_ = 1;
        counting_ = 0;
        std::vector<std::thread> helpers;
        if (result.shares_cores) {
            for (std::size_t i = 1; i < workers_.size(); ++i) {
                try {
                    helpers.emplace_back([&, i] { draw(*workers_[i], link, pool, drawn, false); });
                } catch (const std::system_error&) {
                    break;  // fewer threads: the probe is only slower
                }
            }
        }
        draw(*workers_[0], link, pool, drawn, true);
        for (std::thread& t : helpers) t.join();
        if (stopped()) return result;
        result.seconds = seconds_per_replicate(drawn, helpers.size() + 1);
        std::vector<float> levels;
        for (std::size_t b = 1; b < drawn.size(); ++b)
            if (!std::isnan(drawn[b].level)) levels.push_back(drawn[b].level);
        result.significant =
            significance_chance(levels, ctx_.LinkLevel[at(link)],
                                ctx_.DistanceFlag == Resemblance::Distance, settings_.alpha);
        return result;
    }

  private:
    static constexpr std::int32_t kFewStations = 5;
    static constexpr std::int32_t kFewStationsReplicates = 20;

    struct Drawn {
        float level = std::nanf("");
        double seconds = 0;
        bool first = false;  // the thread's first of the linkage: its buffers grew
    };

    // Takes replicates until all are drawn; the calling thread also lets
    // the windows in and hears Stop. The test's replicates share the cores
    // with each other all the time, so a thread whose share is done keeps
    // drawing replicates that are not counted while another thread is still
    // on one that is: a replicate timed alone would run faster than any of
    // the test's.
    void draw(ProbeWorker& w, std::int32_t link, const SamplePool& pool, std::vector<Drawn>& drawn,
              bool calling) {
        const auto count = static_cast<std::int32_t>(drawn.size()) - 1;
        bool first = true;
        while (!stopped()) {
            counting_.fetch_add(1);
            const std::int32_t b = next_.fetch_add(1);
            const bool counted = b <= count;
            if (!counted && counting_.fetch_sub(1) == 1) break;  // nobody left to keep company
            const auto start = std::chrono::steady_clock::now();
            const float level = probe_level(w, settings_.test_seed, link, pool, b);
            if (counted) {
                drawn[at(b)].level = level;
                drawn[at(b)].seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                drawn[at(b)].first = std::exchange(first, false);
                counting_.fetch_sub(1);
            }
            if (!calling) continue;
            host_.yield();
            if (host_.stop_requested()) stop_.store(true, std::memory_order_relaxed);
        }
    }

    // The threads ran their replicates side by side, so the test gets
    // through `threads` of them in the time one takes; a thread's first
    // replicate also sized its buffers, which the test does once in
    // NumBoot replicates.
    static double seconds_per_replicate(const std::vector<Drawn>& drawn, std::size_t threads) {
        std::vector<double> warm, all;
        for (std::size_t b = 1; b < drawn.size(); ++b) {
            all.push_back(drawn[b].seconds);
            if (!drawn[b].first) warm.push_back(drawn[b].seconds);
        }
        std::vector<double>& taken = warm.size() >= 3 ? warm : all;
        // The longest left out: a replicate that the system held up would
        // otherwise count for every replicate of the test.
        std::sort(taken.begin(), taken.end());
        if (taken.size() >= 3) taken.pop_back();
        double sum = 0;
        for (const double s : taken) sum += s;
        return sum / static_cast<double>(taken.size()) / static_cast<double>(threads);
    }

    const RunContext& ctx_;
    Host& host_;
    const ProbeSettings& settings_;
    std::vector<std::unique_ptr<ProbeWorker>> workers_;
    std::atomic<std::int32_t> next_{1};
    std::atomic<std::int32_t> counting_{0};  // threads on a counted replicate, or claiming one
    std::atomic<bool> stop_{false};
};

// Student's t with three degrees of freedom.
double t3_upper_tail(double t) {
    const double x = t / std::sqrt(3.0);
    return 0.5 - (x / (1 + x * x) + std::atan(x)) / M_PI;
}

// t with t3_upper_tail(t) = p, for 0 < p < 1.
double t3_upper_quantile(double p) {
    double lo = -1e3, hi = 1e3;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (t3_upper_tail(mid) > p ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace

double normal_upper_tail(double z) {
    return 0.5 * std::erfc(z / std::sqrt(2.0));
}

// Below 100 replicates a probe would cost more than a twenty-fifth of the
// test, which is short anyway: it then goes without.
std::int32_t probe_replicates(std::int32_t num_boot) {
    return num_boot < 100 ? 0 : std::clamp(num_boot / 100, 4, 16);
}

// The chance that P, the share of replicates at or beyond the observed
// level, is at most alpha when `count` of `n` drawn were: the
// Beta(count + 1, n - count + 1) distribution of P below alpha, which is
// the chance that n + 1 uniform draws put at least count + 1 below alpha.
double share_at_most(double alpha, std::int32_t count, std::int32_t n) {
    const std::int32_t draws = n + 1;
    double term = std::pow(1 - alpha, draws);  // j = 0
    double below = 0;                          // j = 0..count
    for (std::int32_t j = 0; j <= count; ++j) {
        below += term;
        term *= alpha / (1 - alpha) * (draws - j) / (j + 1.0);
    }
    return std::clamp(1 - below, 0.0, 1.0);
}

// How far the observed level stands beyond the replicates' mean, in their
// standard deviations (z), against how far P = alpha asks. The final
// fusion of a replicate is the loosest of many, and its levels have a
// heavier tail than the normal: on made-up surveys, linkages whose z from
// ten replicates was 2 met P = 0.05 about one time in three, as if the
// levels followed Student's t with three degrees of freedom. A z from n
// draws is itself uncertain, about sqrt(1/n + z^2/2n); the same surveys
// asked for half as much again. A replicate that met or passed the
// observed level says more than z: the pool of a few single stations
// deals out the observed groups again often, at exactly its level, while
// the others stand far off, which makes z large.
double significance_chance(const std::vector<float>& levels, float observed, bool distance,
                           float alpha) {
    const auto n = static_cast<double>(levels.size());
    if (levels.empty() || !(alpha > 0) || alpha >= 1) return 0.0;
    double mean = 0;
    std::int32_t met = 0;
    for (const float x : levels) {
        mean += x;
        met += (distance ? x >= observed : x <= observed) ? 1 : 0;
    }
    mean /= n;
    double squares = 0;
    for (const float x : levels) squares += (x - mean) * (x - mean);
    const double sd = n > 1 ? std::sqrt(squares / (n - 1)) : 0.0;
    const double beyond = distance ? observed - mean : mean - observed;
    double chance = beyond > 0 ? 1.0 : 0.0;
    if (sd > 0) {
        const double z = beyond / sd;
        const double se = 1.5 * std::sqrt(1 / n + z * z / (2 * n));
        chance = normal_upper_tail((t3_upper_quantile(alpha) - z) / se);
    }
    if (met > 0) chance = std::min(chance, share_at_most(alpha, met, static_cast<std::int32_t>(n)));
    return chance;
}

std::vector<LinkProbe> probe_links(const RunContext& ctx, Host& host,
                                   const ProbeSettings& settings) {
    const std::int32_t links = std::max(ctx.NumGroups - 1, 0);
    std::vector<LinkProbe> probes(at(links) + 1);
    if (settings.replicates < 1) return {};
    Prober prober(ctx, host, settings);
    TestProgress shown{0, links, 0, 0};
    shown.timing = true;
    for (std::int32_t link = 1; link <= links; ++link) {
        shown.linkage = link;
        host.test_progress(shown);
        probes[at(link)] = prober.probe(link);
        if (prober.stopped()) return {};
    }
    return probes;
}

}  // namespace tw
