// Times the clustering stage alone (the resemblance matrix is built once per
// size) for every linkage method at 500, 1000 and 2000 objects.
//
// Usage: bench_cluster [LARGEST_N]   (default 2000; smaller sizes are skipped
// above it). Prints one line per size and method: the best wall time of a
// few runs, in seconds.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "cluster/agglomerate.h"
#include "run/null_host.h"
#include "run/run_context.h"

namespace {

// Euclidean distances between random points in five dimensions: no ties, so
// every method does its full work at every linkage.
tw::Matrix<float> random_distances(std::int32_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> coordinate(0.0f, 100.0f);
    tw::Matrix<float> points(n, 5);
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t d = 1; d <= 5; ++d) points(i, d) = coordinate(random);
    tw::Matrix<float> m(n, n);
    for (std::int32_t i = 1; i < n; ++i) {
        for (std::int32_t j = i + 1; j <= n; ++j) {
            float sum = 0.0f;
            for (std::int32_t d = 1; d <= 5; ++d)
                sum += (points(i, d) - points(j, d)) * (points(i, d) - points(j, d));
            m(i, j) = std::sqrt(sum);
        }
    }
    return m;
}

double time_one(const tw::Matrix<float>& distances, std::int32_t n, tw::LinkageMethod method) {
    tw::NullHost host;
    tw::Workspace w;
    tw::MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    w.SimMatrix = distances;
    tw::ClusterOptions options;
    options.method = method;
    options.distance_flag = tw::Resemblance::Distance;
    // The centroid methods and Minimum Variance are meant for squared distances.
    options.squared_flag = method == tw::LinkageMethod::WPGMCentroid ||
                           method == tw::LinkageMethod::UPGMCentroid ||
                           method == tw::LinkageMethod::MinimumVariance;
    const auto start = std::chrono::steady_clock::now();
    tw::agglomerate(w, n, options, tw::LinkArrays{members, sizes, levels}, host);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

}  // namespace

int main(int argc, char** argv) {
    const std::int32_t largest = argc > 1 ? std::atoi(argv[1]) : 2000;
    std::printf("%6s  %-22s %12s\n", "n", "method", "seconds/run");
    for (const std::int32_t n : {500, 1000, 2000}) {
        if (n > largest) continue;
        const tw::Matrix<float> distances = random_distances(n, 20240u + static_cast<unsigned>(n));
        const int repeats = n <= 500 ? 5 : n <= 1000 ? 3 : 1;
        for (std::int16_t index = 1; index <= 7; ++index) {
            const tw::LinkageMethod method = tw::linkage_method(index);
            double best = 1e300;
            for (int r = 0; r < repeats; ++r) best = std::min(best, time_one(distances, n, method));
            std::printf("%6d  %-22s %12.4f\n", n, tw::method_report_text(method).c_str(), best);
            std::fflush(stdout);
        }
    }
    return 0;
}
