// Times resemblance + clustering of one data matrix through the core, for the
// side-by-side comparison with scipy and fastcluster (compare_peers.py).
//
// Usage: bench_peers DATA_FILE MEASURE METHOD REPEATS [LEVELS_FILE]
//   DATA_FILE   first line "n s", then n rows of s numbers
//   MEASURE     1..8 as in the resemblance window (1 Euclidean distance)
//   METHOD      1..7 as in the linkage window (5 UPGMA)
// Prints the best wall time in seconds of REPEATS runs; LEVELS_FILE receives
// the n-1 fusion levels, one per line, for checking against the peers.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cluster/routine.h"
#include "run/null_host.h"
#include "run/run_context.h"

namespace {

bool read_matrix(const char* path, tw::Matrix<float>& x, std::int32_t& n, std::int16_t& s) {
    std::ifstream in(path);
    int rows = 0, cols = 0;
    if (!(in >> rows >> cols) || rows < 2 || cols < 1 || cols > 32767) return false;
    n = rows;
    s = static_cast<std::int16_t>(cols);
    x.recreate(n, s);
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int16_t k = 1; k <= s; ++k)
            if (!(in >> x(i, k))) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::cerr << "usage: bench_peers DATA_FILE MEASURE METHOD REPEATS [LEVELS_FILE]\n";
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
    ctx.MeasureIndex = static_cast<std::int16_t>(std::atoi(argv[2]));
    ctx.settings.resmx = ctx.MeasureIndex - 1;
    ctx.settings.link_meth = std::atoi(argv[3]) - 1;
    const int repeats = std::max(1, std::atoi(argv[4]));

    std::vector<std::string> labels(static_cast<std::size_t>(n) + 1, "S");
    tw::NullHost host;
    tw::Workspace w;
    tw::MemberLists members;
    std::vector<std::int32_t> sizes;
    std::vector<float> levels;
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        std::string flag;
        const auto start = std::chrono::steady_clock::now();
        const auto exit = tw::resemble_and_cluster(
            ctx, host, w, x, n, 2, tw::LinkArrays{members, sizes, levels}, labels, flag);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (exit != tw::RoutineExit::Normal) {
            std::cerr << "the routine did not end normally\n";
            return 1;
        }
        best = std::min(best, took.count());
    }
    std::printf("%.6f\n", best);
    if (argc > 5) {
        std::ofstream out(argv[5]);
        for (std::int32_t l = 1; l < n; ++l)
            out << w.JoinLevel[static_cast<std::size_t>(l)] << "\n";
    }
    return 0;
}
