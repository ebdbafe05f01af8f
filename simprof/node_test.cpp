#include "simprof/node_test.h"
#include "run/array_index.h"

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include "bootstrap/replicate_streams.h"
#include "simprof/column_permutation.h"
#include "simprof/permutation_lanes.h"
#include "simprof/profile.h"
#include "simprof/profile_statistics.h"

namespace tw {

namespace {

// What one thread needs to measure permuted sets.
struct PermutationWorker {
    explicit PermutationWorker(const RunContext& run) : measure(run) {}
    ProfileMeasure measure;
    Matrix<float> permuted;
    std::vector<float> profile;
    RandomSource stream;
};

class NodePermutations {
  public:
    NodePermutations(const RunContext& run, Host& host, const ProfileSettings& settings,
                     const Matrix<float>& objects, std::int32_t m, std::int32_t link,
                     TestProgress& progress, NodeTimeLeft ms_left)
        : run_(run),
          host_(host),
          settings_(settings),
          objects_(objects),
          m_(m),
          link_(link),
          progress_(progress),
          ms_left_(std::move(ms_left)),
          done_before_(progress.replicates_done) {
        const unsigned threads = settings.threads < 1 ? 1 : settings.threads;
        for (unsigned i = 0; i < threads; ++i)
            workers_.push_back(std::make_unique<PermutationWorker>(run));
    }

    std::vector<float> real_profile() {
        std::vector<float> real;
        workers_[0]->measure.profile(objects_, m_, real);
        return real;
    }

    // Mean of the sorted profiles of permuted sets 1..count.
    std::vector<double> mean(std::int32_t count, std::size_t pairs) {
        std::vector<std::vector<double>> lane_sums(kPermutationLanes,
                                                   std::vector<double>(pairs, 0.0));
        run_lanes(kPermutationLanes, threads(), [&](std::int32_t lane, unsigned w) {
            const LaneRange r = lane_range(count, kPermutationLanes, lane);
            for (std::int32_t i = r.first; i < r.last && !stopped(); ++i)
                add_profile(permuted_profile(*workers_[w], PermutationUse::Mean, i + 1, w),
                            lane_sums[static_cast<std::size_t>(lane)]);
        });
        std::vector<double> sums(pairs, 0.0);
        for (const std::vector<double>& lane : lane_sums)
            for (std::size_t i = 0; i < pairs; ++i) sums[i] += lane[i];
        return mean_profile(sums, count);
    }

    // pi of permuted sets 1..count against `mean`, by set number.
    std::vector<double> null_pis(std::int32_t count, const std::vector<double>& mean) {
        std::vector<double> pis(static_cast<std::size_t>(count), 0.0);
        run_lanes(kPermutationLanes, threads(), [&](std::int32_t lane, unsigned w) {
            const LaneRange r = lane_range(count, kPermutationLanes, lane);
            for (std::int32_t i = r.first; i < r.last && !stopped(); ++i)
                pis[static_cast<std::size_t>(i)] = profile_pi(
                    permuted_profile(*workers_[w], PermutationUse::Null, i + 1, w), mean);
        });
        return pis;
    }

    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

  private:
    unsigned threads() const { return static_cast<unsigned>(workers_.size()); }

    const std::vector<float>& permuted_profile(PermutationWorker& w, PermutationUse use,
                                               std::int32_t number, unsigned index) {
        w.permuted = objects_;
        seed_permutation_stream(w.stream, settings_.seed, link_, use, number);
        permute_within_columns(w.permuted, m_, run_.NumVars, w.stream);
        w.measure.profile(w.permuted, m_, w.profile);
        finished_.fetch_add(1, std::memory_order_relaxed);
        if (index == 0) report();  // only the calling thread may let the windows in
        return w.profile;
    }

    void report() {
        host_.yield();
        const std::int64_t finished = finished_.load(std::memory_order_relaxed);
        progress_.replicates_done = done_before_ + finished;
        if (ms_left_) progress_.ms_left = ms_left_(finished);
        host_.test_progress(progress_);
        if (host_.stop_requested()) stop_.store(true, std::memory_order_relaxed);
    }

    const RunContext& run_;
    Host& host_;
    const ProfileSettings& settings_;
    const Matrix<float>& objects_;
    std::int32_t m_;
    std::int32_t link_;
    TestProgress& progress_;
    NodeTimeLeft ms_left_;
    const std::int64_t done_before_;
    std::atomic<std::int64_t> finished_{0};
    std::atomic<bool> stop_{false};
    std::vector<std::unique_ptr<PermutationWorker>> workers_;
};

// The user stopped the test: nothing of the node is a result.
NodeResult stopped_node() {
    NodeResult r;
    r.stopped = true;
    return r;
}

}  // namespace

Matrix<float> node_objects(const RunContext& run, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t m = run.LinkMembers.list(link, members);
    Matrix<float> objects(m, run.NumVars);
    for (std::int32_t i = 1; i <= m; ++i)
        for (std::int32_t s = 1; s <= run.NumVars; ++s)
            objects(i, s) = run.AvgMatrix(members[at(i)], s);
    return objects;
}

void seed_permutation_stream(RandomSource& stream, std::uint64_t test_seed, std::int32_t link,
                             PermutationUse use, std::int32_t number) {
    // The bootstrap's stream ids, with the set's use in the place of the
    // attempt: a node's two sets, and any two nodes, never share a stream.
    seed_replicate_stream(stream, test_seed,
                          ReplicateId{link, number, static_cast<std::int32_t>(use)});
}

NodeResult test_node(const RunContext& run, Host& host, const ProfileSettings& settings,
                     const Matrix<float>& objects, std::int32_t m, std::int32_t link,
                     TestProgress& progress, NodeTimeLeft ms_left) {
    NodePermutations permutations(run, host, settings, objects, m, link, progress,
                                  std::move(ms_left));
    NodeResult result;
    const std::vector<float> real = permutations.real_profile();
    const std::vector<double> mean = permutations.mean(settings.permutations, real.size());
    if (permutations.stopped()) return stopped_node();

    result.pi = profile_pi(real, mean);
    const std::int32_t null_count = settings.permutations - 1;
    result.null_pis = permutations.null_pis(null_count, mean);
    if (permutations.stopped()) return stopped_node();
    for (double pi : result.null_pis)
        if (pi >= result.pi) ++result.as_large;
    result.p = profile_p(result.as_large, null_count);
    return result;
}

}  // namespace tw
