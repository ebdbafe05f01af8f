#pragma once
// Non-metric multidimensional scaling (Kruskal 1964): points in k axes whose
// distances follow the order of the dissimilarities as closely as a
// monotone regression allows, measured by Kruskal's stress formula 1.
//
// Each start is improved by SMACOF (de Leeuw 1977; Borg & Groenen 2005,
// ch. 9): a Guttman transform towards the current disparities, then a new
// monotone regression (smacof_iteration.h), until the stress falls by less than
// `tolerance` of itself or `max_iterations` have run. The first start is
// classical scaling, the others uniform in [-1, 1] on every axis, each
// drawn from its own stream of the seed, so the starts can run on any
// number of threads and give the same solution.
//
// The best solution is centred, turned to its principal axes and scaled as
// vegan's metaMDS scales its result: in half-change units when the
// dissimilarities have a known ceiling (one unit apart, two objects are
// expected to share half their composition), otherwise so that its largest
// distance equals the largest dissimilarity.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ordination/configuration.h"
#include "ordination/pair_dissimilarities.h"
#include "ordination/ranked_pairs.h"

namespace tw {

// Large enough for two thousand objects on two cores in seconds; beyond it
// the pairs alone would take gigabytes for every thread.
inline constexpr std::int32_t kMaxOrdinationObjects = 5000;
inline constexpr std::int32_t kDefaultStarts = 20;

struct NmdsSettings {
    std::int32_t dimensions = 2;  // 2 or 3
    std::int32_t starts = kDefaultStarts;
    std::uint64_t seed = 1;
    unsigned threads = 0;  // 0: one per core
    std::int32_t max_iterations = 1000;
    double tolerance = 1e-6;  // relative fall in stress that ends a start
    // A start reached the best solution when, after symmetric Procrustes
    // fitting, these hold (vegan's metaMDS uses the same two limits).
    double same_rmse = 0.005;
    double same_max_residual = 0.01;
};

struct StartResult {
    double stress = 0;
    std::int32_t iterations = 0;
};

struct Ordination {
    Configuration points;
    double stress = 0;            // of the best start
    std::int32_t best_start = 0;  // 0: the classical-scaling start
    std::int32_t repeated = 0;    // starts that reached the best solution, itself included
    std::vector<StartResult> starts;
    std::uint64_t seed = 0;
    std::string rule;     // how similarities became dissimilarities
    std::string scaling;  // "half-change units" or "largest distance = largest dissimilarity"

    std::int32_t objects() const { return points.objects; }
    std::int32_t dimensions() const { return points.dimensions; }
};

// Called after each finished start with the count finished so far, from
// whichever thread finished it. Setting `stop` ends the work at the next
// iteration; nmds then throws OrdinationStopped.
struct NmdsControl {
    std::function<void(std::int32_t done)> progress;
    const std::atomic<bool>* stop = nullptr;
};

struct OrdinationStopped {};

// Throws std::invalid_argument, saying why, when the objects or settings
// cannot give an ordination (fewer than dimensions + 2 objects, more than
// kMaxOrdinationObjects, dimensions other than 2 or 3, no starts).
Ordination nmds(const PairDissimilarities& d, const NmdsSettings& settings,
                const NmdsControl& control = {});

// Distances of a configuration at each rank of `pairs` (each block of tied
// dissimilarities in order of distance), their disparities and the stress:
// what a Shepard diagram shows.
struct ShepardFit {
    std::vector<double> distance, fitted;
    double stress = 0;
};
ShepardFit shepard_fit(const RankedPairs& pairs, const Configuration& c);

}  // namespace tw
