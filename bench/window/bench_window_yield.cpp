// What the windows cost a run: the same observed run and bootstrap test,
// once with the host that shows nothing and once with the real windows
// (offscreen when there is no display), on the same random data.
//
//   bench_window_yield [STATIONS] [SPECIES] [REPLICATES]
//
// The windows must cost little: the core yields once per species of every
// pair, so the window host may only let the window system in now and then.

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "bootstrap/test_linkages.h"
#include "cluster/observed_run.h"
#include "run/null_host.h"
#include "ui/output_targets.h"
#include "ui/qt_host.h"
#include "ui/session.h"

namespace {

// A data file of `stations` stations in groups of four, abundances from a
// few communities so that the bootstrap tests a mix of linkages.
std::string write_data(int stations, int species) {
    const std::string path = "bench_window_yield.txt";
    std::ofstream out(path, std::ios::binary);
    std::mt19937 rng(7);
    std::poisson_distribution<int> count(4.0);
    out << "\"Window cost benchmark\"\r\n" << stations << ", " << species << "\r\n\"STATION\"";
    for (int j = 1; j <= species; ++j) out << ",\"S" << j << "\"";
    out << "\r\n";
    for (int i = 1; i <= stations; ++i) {
        out << "\"T" << i << "\"";
        const int community = (i - 1) / 4 % 5;
        for (int j = 1; j <= species; ++j) {
            const bool home = j % 5 == community;
            out << ' ' << (home ? count(rng) + 3 : count(rng) / 3);
        }
        out << "\r\n";
    }
    out << stations / 4 << "\r\n";
    for (int g = 1; g <= stations / 4; ++g) out << (g > 1 ? " 4" : "4");
    out << "\r\n";
    return path;
}

void configure(tw::RunSettings& s, const std::string& data, int replicates) {
    s.input_file = data;
    s.output_file = "bench_window_yield.lst";
    s.measure = tw::Measure::BrayCurtis;
    s.linkage = tw::LinkageMethod::UPGMA;
    s.boot_text = std::to_string(replicates);
    s.random_seed = 11;
    s.bootstrap_threads = 1;
}

// The host that shows nothing, writing the run's files as the windows do:
// what is compared is the cost of the windows, not of the disk.
class QuietHost : public tw::NullHost {
  public:
    std::unique_ptr<tw::TextTarget> open_output(const std::string& name,
                                                tw::OpenMode mode) override {
        return tw::ui::open_file_target(name, mode);
    }
};

// Processor time of the whole process, window system included: on a shared
// machine the wall time mostly measures the other processes. The bootstrap
// runs on one thread here, so nothing of the run is left out.
double since(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// Seconds of the observed run and of the bootstrap test; both must complete.
// `started` is told when each stage starts, as the windows' buttons do.
template <class StageStarted>
std::pair<double, double> seconds_of(tw::RunContext& ctx, tw::Host& host, StageStarted started) {
    const std::clock_t start = std::clock();
    started();
    if (tw::run_analysis(ctx, host) != tw::Outcome::Completed) std::exit(1);
    const double observed = since(start);
    const std::clock_t test_start = std::clock();
    started();
    if (tw::test_linkages(ctx, host) != tw::Outcome::Completed) std::exit(1);
    const double test = since(test_start);
    ctx.channels.close_all();
    return {observed, test};
}

std::pair<double, double> best(std::pair<double, double> a, std::pair<double, double> b) {
    return {std::min(a.first, b.first), std::min(a.second, b.second)};
}

void print_row(const char* what, std::pair<double, double> s, std::pair<double, double> base) {
    const double total = s.first + s.second, base_total = base.first + base.second;
    std::printf("%-24s %8.3f s %8.3f s %8.3f s  (%+.1f%%)\n", what, s.first, s.second, total,
                100.0 * (total - base_total) / base_total);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int stations = argc > 1 ? std::atoi(argv[1]) : 400;
    const int species = argc > 2 ? std::atoi(argv[2]) : 60;
    const int replicates = argc > 3 ? std::atoi(argv[3]) : 20;
    const std::string data = write_data(stations, species);

    // Best of three each, alternating, so that a machine busy with something
    // else does not pass for the windows' cost.
    QuietHost null_host;
    tw::ui::Session session;
    session.start();
    std::pair<double, double> without{1e9, 1e9}, with{1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        tw::RunContext quiet;
        configure(quiet.settings, data, replicates);
        without = best(without, seconds_of(quiet, null_host, [] {}));
        configure(session.context().settings, data, replicates);
        with = best(with, seconds_of(session.context(), session.host(),
                                     [&session] { session.host().stage_started(); }));
    }

    std::printf("%d stations, %d species, %d replicates per linkage (Bray-Curtis, UPGMA)\n",
                stations, species, replicates);
    std::printf("%-24s %10s %10s %10s\n", "best of 3", "observed", "test", "total");
    print_row("host that shows nothing", without, without);
    print_row("the windows", with, without);
    return 0;
}
