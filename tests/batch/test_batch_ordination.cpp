// --ordination: the picture or the coordinates beside the run's own files,
// the same numbers the windows' ordination gives, and nothing changed for a
// run that does not ask for it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_process.h"
#include "cli/batch_options.h"
#include "cli/batch_ordination.h"
#include "e2e/e2e_fixture.h"
#include "export/ordination_export.h"

namespace tw::test {
namespace {

std::string estuary() {
    return examples_dir() + "/estuary_transect.txt";
}

const std::vector<std::string> kRun = {"--quiet",   "--seed",       "5",
                                       "--measure", "bray-curtis",  "--report",
                                       "r.txt",     "--replicates", "40"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(BatchOrdination, CoordinatesAreThoseOfTheSameRunOrdinatedInProcess) {
    const std::string folder = fresh_folder("ordination-csv");
    const Ran ran = run_batch(folder, with(kRun, {"--ordination", "o.csv", "--export", "est",
                                                  "--ordination-starts", "6", estuary()}));
    ASSERT_EQ(ran.status, 0) << ran.err;

    Session s(estuary(), 5);
    s.ctx.settings.measure = Measure::BrayCurtis;
    s.ctx.settings.boot_text = "40";
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    NmdsSettings settings;
    settings.starts = 6;
    settings.seed = ordination_seed(s.ctx);
    const std::string expected = ordination_csv(ordinate_run(s.ctx, settings));
    EXPECT_EQ(file_in(folder, "o.csv"), expected);
    EXPECT_EQ(file_in(folder, "est.ordination.csv"), expected);
    EXPECT_NE(file_in(folder, "est.run.json").find("\"best_solution_repeated\""),
              std::string::npos);
}

TEST(BatchOrdination, PictureIsSvgWithOneDotPerObject) {
    const std::string folder = fresh_folder("ordination-svg");
    const Ran ran = run_batch(folder, with(kRun, {"--ordination", "o.svg", estuary()}));
    ASSERT_EQ(ran.status, 0) << ran.err;
    const std::string svg = file_in(folder, "o.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    std::size_t dots = 0;
    for (std::size_t at = svg.find("<circle"); at != std::string::npos;
         at = svg.find("<circle", at + 1))
        ++dots;
    EXPECT_EQ(dots, 10u) << "the estuary's ten replicate groups";
    EXPECT_NE(svg.find("Stress "), std::string::npos);
}

TEST(BatchOrdination, PdfAndPngPicturesWhereTheFigurePainterIsBuilt) {
    if (!batch::ordination_file_kind_known("o.png")) GTEST_SKIP() << "built without the painter";
    const std::string folder = fresh_folder("ordination-pdf");
    ASSERT_EQ(run_batch(folder, with(kRun, {"--ordination", "o.pdf", estuary()})).status, 0);
    EXPECT_EQ(file_in(folder, "o.pdf").rfind("%PDF", 0), 0u);
    ASSERT_EQ(
        run_batch(folder, with(kRun, {"--ordination", "o.png", "--figure-dpi", "150", estuary()}))
            .status,
        0);
    EXPECT_EQ(file_in(folder, "o.png").substr(1, 3), "PNG");
}

TEST(BatchOrdination, ARunThatDoesNotAskForItExportsWhatItAlwaysDid) {
    const std::string folder = fresh_folder("ordination-none");
    ASSERT_EQ(run_batch(folder, with(kRun, {"--export", "est", estuary()})).status, 0);
    EXPECT_FALSE(exists_in(folder, "est.ordination.csv"));
    EXPECT_EQ(file_in(folder, "est.run.json").find("ordination"), std::string::npos);
}

TEST(BatchOrdination, TooFewObjectsStopTheRunAndSayWhy) {
    const std::string folder = fresh_folder("ordination-few");
    const Ran ran = run_batch(
        folder, {"--quiet", "--seed", "1", "--report", "r.txt", "--ordination", "o.csv",
                 "--ordination-dimensions", "3", examples_dir() + "/meadow_quadrats.txt"});
    EXPECT_EQ(ran.status, 3);
    EXPECT_NE(ran.err.find("needs at least 5 objects; this run has 3"), std::string::npos)
        << ran.err;
    EXPECT_FALSE(exists_in(folder, "o.csv"));
    EXPECT_FALSE(exists_in(folder, "r.txt"));
}

TEST(BatchOrdination, OptionsOutsideTheirRangeAreRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--ordination", "o.gif", "d"},
          {"--ordination-dimensions", "4", "d"},
          {"--ordination-dimensions", "1", "d"},
          {"--ordination-starts", "0", "d"},
          {"--ordination-starts", "1001", "d"}}) {
        const batch::ParsedOptions p = batch::parse_batch_options(args);
        EXPECT_FALSE(p.options.has_value()) << args[0] << " " << args[1];
    }
}

}  // namespace
}  // namespace tw::test
