#include "bootstrap/bootstrap_results.h"
#include "run/array_index.h"

#include "bootstrap/resample.h"
#include "bootstrap/significance.h"
#include "bootstrap/test_loop.h"
#include "run/null_host.h"

namespace tw {

namespace {

LinkResult untested(const RunContext& ctx, std::int32_t link) {
    LinkResult r;
    const float stat = ctx.LinkStat[at(link)];
    if (stat == kNestedLink) {
        r.verdict = Verdict::ContainsSignificant;
    } else if (stat == kStoppedLink) {
        r.verdict = Verdict::Stopped;
    } else if (stat == kUntestableLink) {
        // One marker for both: a pool of two cannot be resampled, and a pool
        // that only ever drew empty replicates was given up.
        NullHost quiet;
        r.verdict = pool_size(ctx, quiet, link) == 2 ? Verdict::TooFewObjects : Verdict::GivenUp;
    }
    return r;
}

}  // namespace

void start_bootstrap_results(RunContext& ctx, const TestSettings& settings) {
    ctx.Results = TestResults{.test = SignificanceTest::Bootstrap,
                              .trials = settings.num_boot,
                              .alpha_text = settings.alpha_text,
                              .alpha = settings.alpha};
}

void record_bootstrap_results(RunContext& ctx, const TestSettings& settings) {
    const std::int32_t links = ctx.NumGroups - 1 < 0 ? 0 : ctx.NumGroups - 1;
    std::vector<LinkResult>& out = ctx.Results.links;
    out.assign(at(links) + 1, LinkResult{});
    for (std::int32_t link = 1; link <= links; ++link) {
        const std::string& sig = ctx.SIG[at(link)];
        LinkResult r;
        if (sig == "S" || sig == "NS") {
            const float count = ctx.LinkStat[at(link)];
            r = tested_link(bootstrap_p(count, settings.num_boot), static_cast<std::int64_t>(count),
                            settings.num_boot, settings.alpha);
        } else {
            r = untested(ctx, link);
        }
        r.objects = ctx.LinkMembers.size(link);
        out[at(link)] = r;
    }
}

}  // namespace tw
