// Times the resemblance stage and the clustering engine on one data matrix,
// for the side-by-side comparison with scipy and fastcluster
// (compare_peers.py). Both run as in a bootstrap replicate: a host that shows
// nothing, no report text, no files.
//
// Usage: bench_peers DATA_FILE MEASURE METHOD REPEATS [SEARCH [LEVELS_FILE]]
//   DATA_FILE   first line "n s", then n rows of s numbers
//   MEASURE     1..8 as in the resemblance window (1 Euclidean distance)
//   METHOD      1..7 as in the linkage window (5 UPGMA)
//   SEARCH      "fast" (the default) or "scan", the full scan of the
//               triangle at every linkage
// Prints "RESEMBLANCE_S CLUSTERING_S", each the best processor time in
// seconds of REPEATS runs. LEVELS_FILE receives the n - 1 fusion levels, one per line,
// for checking against the peers.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cluster/agglomerate.h"
#include "resemblance/measure.h"
#include "resemblance/resemblance.h"
#include "run/null_host.h"
#include "run/run_context.h"

namespace {

bool read_matrix(const char* path, tw::Matrix<float>& x, std::int32_t& n, std::int16_t& s) {
    std::ifstream in(path);
    int rows = 0, cols = 0;
    if (!(in >> rows >> cols) || rows < 2 || rows > tw::kMaxObjects || cols < 1 || cols > 32767)
        return false;
    n = rows;
    s = static_cast<std::int16_t>(cols);
    x.recreate(n, s);
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int16_t k = 1; k <= s; ++k)
            if (!(in >> x(i, k))) return false;
    return true;
}

// Processor time of this process: on a shared machine the wall time mostly
// measures the other processes. Everything timed here runs on one thread.
double seconds_since(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "usage: bench_peers DATA_FILE MEASURE METHOD REPEATS [SEARCH [LEVELS_FILE]]\n";
        return 1;
    }
    tw::RunContext ctx;
    tw::Matrix<float> x;
    std::int32_t n = 0;
    std::int16_t s = 0;
    if (!read_matrix(argv[1], x, n, s)) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    ctx.NumVars = s;
    ctx.MeasureIndex = tw::Measure{static_cast<std::int16_t>(std::atoi(argv[2]))};
    tw::ClusterOptions options;
    options.method = tw::linkage_method(static_cast<std::int16_t>(std::atoi(argv[3])));
    options.sized_for = n;
    const int repeats = std::max(1, std::atoi(argv[4]));
    const std::string search = argc > 5 ? argv[5] : "fast";
    if (search != "fast" && search != "scan") {
        std::cerr << "SEARCH is fast or scan\n";
        return 1;
    }
    options.search = search == "fast" ? tw::PairSearch::RowBests : tw::PairSearch::FullScan;

    tw::NullHost host;
    tw::Workspace w;
    tw::MeasureArrays arrays;
    tw::MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    double resemblance = 1e300, clustering = 1e300;
    for (int r = 0; r < repeats; ++r) {
        std::clock_t start = std::clock();
        const auto exit =
            tw::compute_resemblance(ctx, host, w, arrays, x, n, tw::RunMode::Replicate);
        resemblance = std::min(resemblance, seconds_since(start));
        if (exit != tw::RoutineExit::Normal) {
            std::cerr << "the resemblance stage did not end normally\n";
            return 1;
        }
        options.distance_flag = w.DistanceFlag;
        start = std::clock();
        tw::agglomerate(w, n, options, tw::LinkArrays{members, sizes, levels}, host);
        clustering = std::min(clustering, seconds_since(start));
    }
    std::printf("%.6f %.6f\n", resemblance, clustering);
    if (argc > 6) {
        std::ofstream out(argv[6]);
        out.precision(9);
        for (std::int32_t l = 1; l < n; ++l)
            out << w.JoinLevel[static_cast<std::size_t>(l)] << "\n";
    }
    return 0;
}
