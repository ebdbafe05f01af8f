#include "ordination/nmds.h"
#include "run/array_index.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "ordination/classical_scaling.h"
#include "ordination/smacof_iteration.h"
#include "ordination/start_streams.h"

namespace tw {

namespace {

static_assert(kMaxOrdinationObjects <= 65536, "ranked pairs number objects in 16 bits");

void check_settings(const PairDissimilarities& d, const NmdsSettings& s) {
    if (s.dimensions != 2 && s.dimensions != 3)
        throw std::invalid_argument("An ordination has 2 or 3 axes.");
    if (s.starts < 1) throw std::invalid_argument("An ordination needs at least one start.");
    if (d.objects < s.dimensions + 2)
        throw std::invalid_argument("An ordination in " + std::to_string(s.dimensions) +
                                    " axes needs at least " + std::to_string(s.dimensions + 2) +
                                    " objects; this run has " + std::to_string(d.objects) + ".");
    if (d.objects > kMaxOrdinationObjects)
        throw std::invalid_argument("An ordination takes at most " +
                                    std::to_string(kMaxOrdinationObjects) +
                                    " objects; this run has " + std::to_string(d.objects) + ".");
}

// The Guttman transform's step is lengthened by this share once a start has
// settled: an over-relaxed step (de Leeuw & Heiser 1980) still lowers the
// stress, in about 40% fewer iterations on community data.
constexpr double kOverRelaxation = 0.9;
constexpr std::int32_t kSettlingIterations = 5;

bool collapsed(const Configuration& c) {
    for (std::int32_t i = 1; i < c.objects; ++i)
        if (c.distance(0, i) > 0) return false;
    return true;
}

StartResult improve(const RankedPairs& pairs, const NmdsSettings& s, const NmdsControl& control,
                    Configuration& c) {
    StartWork work(pairs);
    Configuration next;
    StartResult result;
    double previous = 0;
    for (std::int32_t it = 0;; ++it) {
        if (control.stop != nullptr && control.stop->load(std::memory_order_relaxed))
            throw OrdinationStopped{};
        fit_disparities(pairs, c, work);
        // The stress comes out of the pass that makes the next
        // configuration; a start that ends here keeps c.
        const double relax = it < kSettlingIterations ? 0.0 : kOverRelaxation;
        const double stress = guttman_step(work, c, relax, next);
        result.stress = stress;
        result.iterations = it;
        if (stress < 1e-9 || it >= s.max_iterations) break;
        if (it > 0 && previous - stress < s.tolerance * previous) break;
        previous = stress;
        std::swap(c.x, next.x);
    }
    return result;
}

// Half-change scaling (metaMDS's postMDS): regress the dissimilarities
// below 0.8 of their ceiling on the configuration distances; one unit is
// where the fitted line reaches half the ceiling above its intercept.
// Returns false when too few pairs are below the threshold or the line
// does not rise.
bool scale_to_half_change(const PairDissimilarities& d, Configuration& c) {
    const double threshold = 0.8 * *d.ceiling;
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::int32_t i = 0, p = 0; i < c.objects; ++i)
        for (std::int32_t j = i + 1; j < c.objects; ++j, ++p) {
            const double y = d.values[at(p)];
            if (!(y < threshold)) continue;
            const double x = c.distance(i, j);
            n += 1, sx += x, sy += y, sxx += x * x, sxy += x * y;
        }
    if (n < 10) return false;
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double intercept = (sy - slope * sx) / n;
    if (!(slope > 0)) return false;
    const double unit = (*d.ceiling - intercept) / 2 / slope;
    if (!(unit > 0)) return false;
    for (double& v : c.x) v /= unit;
    return true;
}

std::string finish_solution(const PairDissimilarities& d, Configuration& c) {
    centre(c);
    rotate_to_principal_axes(c);
    if (d.ceiling && scale_to_half_change(d, c)) return "half-change units";
    double largest_d = 0, largest_x = 0;
    for (double v : d.values) largest_d = std::max(largest_d, v);
    for (std::int32_t i = 0; i < c.objects; ++i)
        for (std::int32_t j = i + 1; j < c.objects; ++j)
            largest_x = std::max(largest_x, c.distance(i, j));
    if (largest_x > 0)
        for (double& v : c.x) v *= largest_d / largest_x;
    return "largest distance = largest dissimilarity";
}

// Runs run(start) for every start on `threads` threads; the first
// exception stops the others and is rethrown.
void each_start(std::int32_t starts, unsigned threads,
                const std::function<void(std::int32_t)>& run) {
    std::atomic<std::int32_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failure_mutex;
    const auto worker = [&] {
        try {
            for (std::int32_t s = next++; s < starts && !failed; s = next++) run(s);
        } catch (...) {
            failed = true;
            const std::lock_guard<std::mutex> lock(failure_mutex);
            if (!failure) failure = std::current_exception();
        }
    };
    const unsigned wanted =
        threads == 0 ? std::max(1u, std::thread::hardware_concurrency()) : threads;
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < wanted && static_cast<std::int32_t>(t) < starts; ++t) {
        try {
            helpers.emplace_back(worker);
        } catch (const std::system_error&) {
            break;  // the threads already running share the starts
        }
    }
    worker();
    for (std::thread& t : helpers) t.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

Ordination nmds(const PairDissimilarities& d, const NmdsSettings& settings,
                const NmdsControl& control) {
    check_settings(d, settings);
    const RankedPairs pairs = rank_pairs(d);
    const std::int32_t k = settings.dimensions;
    const std::int32_t starts = settings.starts;

    // Each thread at work holds 20 bytes a pair and a little for every
    // block of ties; beyond 2 GB in all fewer threads share the starts (the
    // result does not change).
    const std::size_t per_thread = pairs.size() * 20 + pairs.ties.size() * sizeof(TiedBlockFit) + 1;
    const unsigned memory_threads =
        static_cast<unsigned>(std::max<std::size_t>(1, (std::size_t{2} << 30) / per_thread));
    unsigned threads = settings.threads == 0 ? std::max(1u, std::thread::hardware_concurrency())
                                             : settings.threads;
    threads = std::min(threads, memory_threads);

    std::vector<Configuration> solutions(at(starts));
    std::vector<StartResult> results(at(starts));
    std::atomic<std::int32_t> done{0};
    std::mutex progress_mutex;
    each_start(starts, threads, [&](std::int32_t s) {
        Configuration c =
            s == 0 ? classical_scaling(pairs, k) : random_start(d.objects, k, settings.seed, s);
        // Equal dissimilarities, or none above zero, give classical scaling
        // nothing to spread the objects by.
        if (collapsed(c)) c = random_start(d.objects, k, settings.seed, s);
        results[at(s)] = improve(pairs, settings, control, c);
        solutions[at(s)] = std::move(c);
        const std::int32_t finished = ++done;
        if (control.progress) {
            const std::lock_guard<std::mutex> lock(progress_mutex);
            control.progress(finished);
        }
    });

    Ordination out;
    for (std::int32_t s = 1; s < starts; ++s)
        if (results[at(s)].stress < results[at(out.best_start)].stress) out.best_start = s;
    const Configuration& best = solutions[at(out.best_start)];
    for (std::int32_t s = 0; s < starts; ++s) {
        const ProcrustesFit fit = procrustes(best, solutions[at(s)]);
        if (fit.rmse < settings.same_rmse && fit.max_residual < settings.same_max_residual)
            ++out.repeated;
    }
    out.points = best;
    out.stress = results[at(out.best_start)].stress;
    out.starts = std::move(results);
    out.seed = settings.seed;
    out.rule = d.rule;
    out.scaling = finish_solution(d, out.points);
    return out;
}

ShepardFit shepard_fit(const RankedPairs& pairs, const Configuration& c) {
    StartWork work(pairs);
    fit_disparities(pairs, c, work);
    Configuration unused;
    ShepardFit out;
    out.stress = guttman_step(work, c, 0.0, unused);
    out.distance.reserve(work.ranked.size());
    for (const DistancePair k : work.ranked) out.distance.push_back(distance_of(k));
    out.fitted = disparities(work);
    // The fit may leave a block of ties in any order; the diagram takes
    // each in order of distance. Within a block the disparity rises with
    // the distance, so both sort alike.
    for (const TieBlock& b : pairs.ties) {
        std::sort(out.distance.begin() + b.first, out.distance.begin() + b.last);
        std::sort(out.fitted.begin() + b.first, out.fitted.begin() + b.last);
    }
    return out;
}

}  // namespace tw
