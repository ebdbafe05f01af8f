// How long the windows wait for a turn during a whole run: a timer asks for
// a turn every 10 ms while the observed run and the bootstrap test of a large
// data set run through the real windows (offscreen when there is no
// display), and every gap between two of its ticks is measured. The longest
// gap is how long a user could wait for a repaint or for Exit to act.
//
//   bench_responsiveness [STATIONS] [SPECIES] [REPLICATES]
//
// Prints the longest gaps with what the message area showed at their end,
// which names the stage they fell in.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/test_linkages.h"
#include "cluster/observed_run.h"
#include "ui/options_window.h"
#include "ui/qt_host.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace {

std::string write_data(int stations, int species) {
    const std::string path = "bench_responsiveness.txt";
    std::ofstream out(path, std::ios::binary);
    std::mt19937 rng(3);
    std::gamma_distribution<float> abundance(0.8f, 10.0f);
    out << "\"Responsiveness benchmark\"\r\n" << stations << ", " << species << "\r\n\"STATION\"";
    for (int j = 1; j <= species; ++j) out << ",\"S" << j << "\"";
    out << "\r\n";
    for (int i = 1; i <= stations; ++i) {
        out << "\"R" << i << "\"";
        for (int j = 1; j <= species; ++j) out << ' ' << static_cast<int>(abundance(rng));
        out << "\r\n";
    }
    out << "0\r\n";
    return path;
}

struct Gap {
    qint64 ms;
    qint64 at_ms;  // when it ended, from the start of the run
    std::string stage;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int stations = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int species = argc > 2 ? std::atoi(argv[2]) : 50;
    const int replicates = argc > 3 ? std::atoi(argv[3]) : 2;

    tw::ui::Session session;
    session.start();
    tw::RunSettings& s = session.context().settings;
    s.input_file = write_data(stations, species);
    s.output_file = "bench_responsiveness.lst";
    s.measure = tw::Measure::Euclidean;
    s.linkage = tw::LinkageMethod::UPGMA;
    s.boot_text = std::to_string(replicates);
    s.random_seed = 5;

    std::vector<Gap> gaps;
    QElapsedTimer since_tick;
    QElapsedTimer since_start;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const QString shown = session.options_window().message_area->shown().trimmed();
        gaps.push_back({since_tick.restart(), since_start.elapsed(),
                        shown.section('\n', -1).right(40).toStdString()});
    });
    QTimer::singleShot(0, [&] {
        since_tick.start();
        since_start.start();
        ticker.start(10);
        session.host().stage_started();
        const bool observed =
            tw::run_analysis(session.context(), session.host()) == tw::Outcome::Completed;
        // The test starts from the event loop, as when the user presses
        // "Continue" under the finished tree.
        QCoreApplication::processEvents();
        session.host().stage_started();
        if (observed) tw::test_linkages(session.context(), session.host());
        ticker.stop();
        session.context().channels.close_all();
        QCoreApplication::exit(observed ? 0 : 1);
    });
    const int status = QApplication::exec();

    std::sort(gaps.begin(), gaps.end(), [](const Gap& a, const Gap& b) { return a.ms > b.ms; });
    if (qEnvironmentVariableIsSet("TARNWICK_BENCH_CLOCK"))
        std::printf("run started at %lld ms of the monotonic clock\n",
                    static_cast<long long>(since_start.msecsSinceReference()));
    std::printf("%d stations, %d species, %d replicates per linkage: %zu turns\n", stations,
                species, replicates, gaps.size());
    std::printf(
        "longest waits for a turn (ms), when they ended (ms into the run) and the\n"
        "message area's last line after them:\n");
    for (std::size_t g = 0; g < std::min<std::size_t>(gaps.size(), 8); ++g)
        std::printf("%8lld %8lld  %s\n", static_cast<long long>(gaps[g].ms),
                    static_cast<long long>(gaps[g].at_ms), gaps[g].stage.c_str());
    return status;
}
