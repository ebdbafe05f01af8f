#pragma once
// The similarity profile test of one node of the hierarchy (Clarke,
// Somerfield & Gorley 2008, J. Exp. Mar. Biol. Ecol. 366:56-69): is there
// more structure among the objects under it than chance gives?
//
// 1. The real profile: the objects' resemblances, sorted.
// 2. The mean profile: the average of the sorted profiles of N permuted
//    sets (each species shuffled on its own among the objects).
// 3. pi of the real profile: its summed absolute departure from the mean.
// 4. The null distribution: pi of N - 1 further permuted sets, each against
//    the same mean profile; P counts those at least as large as the real pi.
//
// Every permuted set draws from a stream of its own, fixed by the test's
// seed, the node's linkage and the set's number, so the result is the same
// whichever thread draws which set.

#include <cstdint>
#include <functional>
#include <vector>

#include "bootstrap/random_source.h"
#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"
#include "simprof/simprof_settings.h"

namespace tw {

struct NodeResult {
    double pi = 0.0;
    std::int32_t as_large = 0;  // null sets whose pi is at least the real pi
    float p = 0.0f;
    bool stopped = false;          // the user stopped the test: nothing above is a result
    std::vector<double> null_pis;  // by set number
};

// The observed objects under linkage `link` of `run`, in its member order.
Matrix<float> node_objects(const RunContext& run, std::int32_t link);

// Permuted sets a node of `permutations` (N) draws: N for the mean profile
// and N - 1 for the null.
inline std::int64_t node_permutations(std::int32_t permutations) {
    return permutations < 1 ? 0 : 2 * std::int64_t{permutations} - 1;
}

// Which of the node's two sets of permutations a stream belongs to.
enum class PermutationUse : std::int32_t { Mean = 1, Null = 2 };

// Tests the objects in rows 1..m (m >= 3) of `objects`, the node of linkage
// `link`. Measures with the measure of `run`; the calling thread yields to
// `host` after each of its permutations, shows it `progress` with the
// node's finished permutations added to replicates_done, and asks it whether
// the user wants the test stopped (then every thread ends its lane and the
// result is only `stopped`).
// `ms_left`, when given, turns the node's finished permutations into the
// test's time left for the progress.
using NodeTimeLeft = std::function<std::int64_t(std::int64_t finished)>;
NodeResult test_node(const RunContext& run, Host& host, const ProfileSettings& settings,
                     const Matrix<float>& objects, std::int32_t m, std::int32_t link,
                     TestProgress& progress, NodeTimeLeft ms_left = {});

// Seeds `stream` for permuted set `number` (1..) of `use` at linkage `link`.
void seed_permutation_stream(RandomSource& stream, std::uint64_t test_seed, std::int32_t link,
                             PermutationUse use, std::int32_t number);

}  // namespace tw
