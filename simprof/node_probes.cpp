#include "simprof/node_probes.h"
#include "run/array_index.h"

#include <algorithm>
#include <chrono>

#include "bootstrap/link_probes.h"
#include "run/null_host.h"
#include "simprof/node_test.h"

namespace tw {

namespace {

// A node whose chance of being reached by the walk is below this is not
// worth its probe.
constexpr double kLeastReach = 0.02;

// Lets the windows in and hears Stop through the window thread's host, and
// shows nothing of the probe's own progress.
class ProbeHost : public NullHost {
  public:
    explicit ProbeHost(Host& window) : NullHost(1), window_(window) {}
    bool stop_requested() const override { return window_.stop_requested(); }

  protected:
    void process_events() override { window_.yield(); }

  private:
    Host& window_;
};

}  // namespace

// Below 250 a probe would cost more than a twenty-fifth of its node's
// test, which is short anyway: it then goes without.
std::int32_t probe_permutations(std::int32_t permutations) {
    return permutations < 250 ? 0 : std::clamp(permutations / 50, 10, 20);
}

std::vector<NodeProbe> probe_nodes(const RunContext& ctx, Host& host,
                                   const ProfileSettings& settings,
                                   const std::vector<LinkParts>& parts) {
    std::vector<NodeProbe> probes(parts.size());
    if (parts.size() < 2 || probe_permutations(settings.permutations) < 1) return probes;
    ProfileSettings probe = settings;
    probe.permutations = probe_permutations(settings.permutations);
    // Streams apart from the test's: any other seed gives unrelated ones.
    probe.seed = settings.seed ^ 0x9e3779b97f4a7c15ULL;
    if (probe.seed == 0) probe.seed = 1;
    ProbeHost quiet(host);
    struct Reach {
        std::int32_t link;
        double chance;  // that the walk tests it
    };
    std::vector<Reach> waiting{{static_cast<std::int32_t>(parts.size() - 1), 1.0}};
    while (!waiting.empty()) {
        const Reach node = waiting.back();
        waiting.pop_back();
        const std::int32_t m = ctx.LinkMembers.size(node.link);
        if (node.link == 0 || node.chance < kLeastReach || m < 3) continue;
        TestProgress shown{node.link, static_cast<std::int32_t>(parts.size() - 1), 0, 0,
                           SignificanceTest::SimilarityProfile};
        shown.timing = true;
        host.test_progress(shown);
        TestProgress unseen;
        const auto start = std::chrono::steady_clock::now();
        const NodeResult r =
            test_node(ctx, quiet, probe, node_objects(ctx, node.link), m, node.link, unseen);
        if (r.stopped) return {};
        NodeProbe& p = probes[at(node.link)];
        p.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
            static_cast<double>(node_permutations(probe.permutations));
        const std::vector<float> null(r.null_pis.begin(), r.null_pis.end());
        p.significant = significance_chance(null, static_cast<float>(r.pi), true, settings.alpha);
        const LinkParts& below = parts[at(node.link)];
        waiting.push_back({below.right, node.chance * p.significant});
        waiting.push_back({below.left, node.chance * p.significant});
    }
    return probes;
}

}  // namespace tw
