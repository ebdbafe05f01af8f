// Times the publication figure of a tested tree: layout (with every P placed
// clear of everything else) and its SVG text, in both views and both leaf
// sides, at 225, 2000 and 10000 leaves.
//
// Usage: bench_figure [LARGEST_N]   (default 10000). Prints one line per
// size and view: the best wall time of five runs, in milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "../tests/figure/figure_fixture.h"
#include "figure/svg_writer.h"
#include "figure/text_metrics.h"

namespace {

double best_ms(const tw::FigureSource& src, const tw::FigureOptions& options, std::size_t& bytes) {
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const tw::Figure f =
            tw::publication_layout(src, tw::journal_page(), tw::figure_text_width, options);
        bytes = tw::figure_svg(f).size();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const long largest = argc > 1 ? std::atol(argv[1]) : 10000;
    std::printf("%8s %-9s %-5s %10s %10s\n", "leaves", "view", "side", "ms", "svg bytes");
    for (const std::int32_t n : {225, 2000, 10000}) {
        if (n > largest) continue;
        tw::FigureSource src = tw::test::random_tree(n, 17);
        tw::test::add_verdicts(src, 0.3, 5);
        for (const tw::FigureView view : {tw::FigureView::Names, tw::FigureView::Clusters}) {
            for (const tw::LeafSide side : {tw::LeafSide::Down, tw::LeafSide::Left}) {
                tw::FigureOptions options;
                options.view = view;
                options.leaf_side = side;
                std::size_t bytes = 0;
                const double ms = best_ms(src, options, bytes);
                std::printf("%8d %-9s %-5s %10.1f %10zu\n", n,
                            view == tw::FigureView::Names ? "names" : "clusters",
                            side == tw::LeafSide::Down ? "down" : "left", ms, bytes);
            }
        }
    }
}
