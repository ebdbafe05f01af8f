// How right the tests' time left is: runs whole tests on made-up
// surveys and compares, after a tenth, a quarter and half of each test's
// time, the time left that the progress reports said with the time the test
// really took from there. Each line also gives how long the test spent
// timing its linkages before the first replicate.
//
// Usage: bench_time_left [REPLICATES] [THREADS] [TRACE_PREFIX]
//   REPLICATES    replicates per linkage (default 200)
//   THREADS       threads drawing replicates (default 0: every core)
//   TRACE_PREFIX  also write PREFIX.KIND.csv: every progress report (time,
//                 linkage, replicates done, time left said) and, per
//                 linkage, its groups, stations and verdict
//
// Surveys (Bray-Curtis, UPGMA, abundances drawn as the window benchmarks
// draw them):
//   structured  300 groups of 3 stations, 12 species, five communities
//               taking turns (group g lives in community g mod 5)
//   random      300 groups of 3 stations, 12 species, one community
//   distinct    300 groups of 3 stations, 12 species, every group a
//               community of its own: many early linkages significant
//   stations    1,000 single stations, 20 species, five communities
//   profiles    150 single stations, 20 species, five communities, by the
//               similarity profile test (REPLICATES permutations)
//   flat        400 single stations, 20 species, one community, by the
//               similarity profile test: only the root is tested
//   profiles400 400 single stations, 20 species, five communities, by the
//               similarity profile test

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/test_linkages.h"
#include "run/array_index.h"
#include "run/null_host.h"
#include "run/run_context.h"

#include "observed_survey.h"
#include "simprof/test_profiles.h"

namespace {

using tw::at;
using Clock = std::chrono::steady_clock;

struct Survey {
    const char* kind;
    std::int32_t groups;
    std::int32_t stations_per_group;
    std::int16_t species;
    std::int32_t communities;  // 0: every group its own
    bool profiles = false;     // the similarity profile test instead
};

const Survey kSurveys[] = {
    {"structured", 300, 3, 12, 5},        {"random", 300, 3, 12, 1},
    {"distinct", 300, 3, 12, 0},          {"stations", 1000, 1, 20, 5},
    {"profiles", 150, 1, 20, 5, true},    {"flat", 400, 1, 20, 1, true},
    {"profiles400", 400, 1, 20, 5, true},
};

// A station's abundances: gamma counts with scale 4 for the species of its
// community (every fifth species) and 1 for the others; a group that is a
// community of its own draws the scale of each species at random.
void fill_data(tw::RunContext& ctx, const Survey& s) {
    std::mt19937 random(7);
    std::gamma_distribution<float> own_scale(0.6f, 4.0f);
    tw::Matrix<float> scale(s.groups, s.species);
    for (std::int32_t g = 1; g <= s.groups; ++g) {
        for (std::int32_t j = 1; j <= s.species; ++j) {
            const bool home = s.communities > 1 && (j - 1) % 5 == (g - 1) % s.communities;
            scale(g, j) = s.communities == 0 ? own_scale(random) + 0.05f : home ? 4.0f : 1.0f;
        }
    }
    for (std::int32_t i = 1; i <= ctx.NumRows; ++i) {
        const std::int32_t g = (i - 1) / s.stations_per_group + 1;
        for (std::int32_t j = 1; j <= s.species; ++j)
            ctx.DataMatrix(i, j) =
                std::floor(std::gamma_distribution<float>(2.0f, scale(g, j))(random));
    }
}

struct Report {
    double seconds;  // since the test started
    tw::TestProgress progress;
};

// Shows nothing, keeps every progress report with its time.
class RecordingHost : public tw::NullHost {
  public:
    void start() { start_ = Clock::now(); }
    double seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }
    void test_progress(const tw::TestProgress& p) override { reports.push_back({seconds(), p}); }
    std::vector<Report> reports;

  private:
    Clock::time_point start_ = Clock::now();
};

void write_trace(const std::string& path, const tw::RunContext& ctx,
                 const std::vector<Report>& reports, double total) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr) return;
    std::fprintf(f, "total,%.6f\n", total);
    for (std::int32_t l = 1; l < ctx.NumGroups; ++l) {
        std::vector<std::int32_t> members;
        const std::int32_t n = ctx.LinkMembers.list(l, members);
        std::int32_t stations = 0;
        for (std::int32_t k = 1; k <= n; ++k) stations += ctx.RepCount[at(members[at(k)])];
        const auto parts = ctx.LinkMembers.parts(l);
        std::fprintf(f, "link,%d,%d,%d,%s,%g,%d,%d\n", l, ctx.LinkSize[at(l)], stations,
                     ctx.SIG[at(l)].c_str(), ctx.LinkStat[at(l)], parts[0], parts[1]);
    }
    for (const Report& r : reports)
        std::fprintf(f, "report,%.6f,%d,%lld,%lld,%lld\n", r.seconds, r.progress.linkage,
                     static_cast<long long>(r.progress.replicates_done),
                     static_cast<long long>(r.progress.replicates_total),
                     static_cast<long long>(r.progress.ms_left));
    std::fclose(f);
}

// The last report by `share` of the test's time: the time left it said, and
// what counting every replicate alike would have said, against the truth.
void print_estimate(const std::vector<Report>& reports, double total, double share) {
    const Report* last = nullptr;
    for (const Report& r : reports)
        if (r.seconds <= share * total) last = &r;
    if (last == nullptr || last->progress.replicates_done == 0) {
        std::printf("  after %4.0f%%: no report yet\n", share * 100);
        return;
    }
    const double truth = total - last->seconds;
    const double said = last->progress.ms_left < 0 ? -1 : last->progress.ms_left / 1000.0;
    const tw::TestProgress& p = last->progress;
    const double counted = last->seconds *
                           static_cast<double>(p.replicates_total - p.replicates_done) /
                           static_cast<double>(p.replicates_done);
    std::printf("  after %4.0f%% (linkage %4d): %6.2f s left, ", share * 100, p.linkage, truth);
    if (said < 0)
        std::printf("no estimate of its own, ");
    else
        std::printf("estimate %6.2f s (%+4.0f%%), ", said, 100 * (said / truth - 1));
    std::printf("counting replicates %6.2f s (%+4.0f%%)\n", counted, 100 * (counted / truth - 1));
}

void run_survey(const Survey& s, std::int32_t replicates, unsigned threads,
                const std::string& trace_prefix) {
    RecordingHost host;
    tw::RunContext ctx;
    tw::bench::observed_survey(ctx, host, {s.groups, s.stations_per_group, s.species},
                               [&](tw::RunContext& c) { fill_data(c, s); });
    ctx.NumBoot = replicates;
    ctx.settings.random_seed = 777;
    ctx.settings.bootstrap_threads = threads;
    ctx.settings.permutations_text = std::to_string(replicates);
    host.start();
    if (s.profiles)
        tw::test_profiles(ctx, host);
    else
        tw::test_linkages(ctx, host);
    const double total = host.seconds();
    std::int32_t tested = 0, significant = 0;
    for (std::int32_t l = 1; l < s.groups; ++l) {
        tested += tw::was_tested(ctx.Results.at(l).verdict);
        significant += ctx.Results.at(l).verdict == tw::Verdict::Significant;
    }
    double timing = 0;  // until the first report of the test proper
    for (const Report& r : host.reports) {
        timing = r.seconds;
        if (!r.progress.timing) break;
    }
    std::printf(
        "%-10s %4d groups x %d, %2d species: %.2f s (timing %.2f s), %d of %d linkages "
        "tested, %d S\n",
        s.kind, s.groups, s.stations_per_group, s.species, total, timing, tested, s.groups - 1,
        significant);
    for (const double share : {0.1, 0.25, 0.5}) print_estimate(host.reports, total, share);
    if (!trace_prefix.empty())
        write_trace(trace_prefix + "." + s.kind + ".csv", ctx, host.reports, total);
}

}  // namespace

int main(int argc, char** argv) {
    const std::int32_t replicates = argc > 1 ? std::atoi(argv[1]) : 200;
    const auto threads = static_cast<unsigned>(argc > 2 ? std::atoi(argv[2]) : 0);
    const std::string trace_prefix = argc > 3 ? argv[3] : "";
    for (const Survey& s : kSurveys) run_survey(s, replicates, threads, trace_prefix);
    return 0;
}
