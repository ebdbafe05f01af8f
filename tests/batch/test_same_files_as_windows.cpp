// The batch command and the windows, given the same settings and seed, must
// write the same files byte for byte: a script over forty data files has to
// give what a user clicking through the windows would publish.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "batch_process.h"
#include "cli/batch_options.h"
#include "cluster/linkage_method.h"
#include "resemblance/measure.h"
#include "support/test_files.h"

namespace tw::test {

namespace {

// One analysis, as window script lines and as batch options.
struct Case {
    std::string name;
    std::string data;                // an example file
    std::vector<std::string> form2;  // drive lines for the options window
    std::vector<std::string> form3;  // drive lines for the linkage window
    std::vector<std::string> batch;  // the same settings as options
    std::vector<std::string> outputs = {"report.txt", "CLUSTER.LST", "SIGLIST.TXT"};
    int check_presses = 0;                // 0: format check by-passed
    std::vector<std::string> form4 = {};  // drive lines once the test has run
};

constexpr const char* kSeed = "4242";

std::string example(const std::string& name) {
    return examples_dir() + "/" + name;
}

std::string window_script(const Case& c) {
    std::string s = std::string("seed ") + kSeed + "\nanswer-all yes\nclick Form1.Command1\n";
    s += "set Form2.Text1 " + example(c.data) + "\nset Form2.Text2 report.txt\n";
    if (c.check_presses == 0) s += "tick Form2.CheckData\n";
    for (const std::string& line : c.form2) s += line + "\n";
    s += "click Form2.Command1\n";
    for (int i = 0; i < c.check_presses; ++i) s += "click DataCheck.Command1\n";
    for (const std::string& line : c.form3) s += line + "\n";
    s += "click Form3.Command1\nclick Form4.Command1\n";
    for (const std::string& line : c.form4) s += line + "\n";
    s += "click FORM5.Command1\n";
    return s;
}

std::vector<std::string> batch_args(const Case& c) {
    std::vector<std::string> args = {"--seed", kSeed, "--report", "report.txt", "--quiet"};
    args.insert(args.end(), c.batch.begin(), c.batch.end());
    args.push_back(example(c.data));
    return args;
}

// Runs every case both ways and compares the files. The window sessions run
// side by side first, then the batch runs.
void expect_same_files(const std::vector<Case>& cases) {
    if (!have_windows()) GTEST_SKIP() << "built without the windows";
    std::vector<std::string> window_folders;
    for (const Case& c : cases) {
        window_folders.push_back(fresh_folder(c.name + "-windows"));
        std::ofstream(window_folders.back() + "/script.drive") << window_script(c);
    }
    for (const std::string& failure : run_window_scripts(window_folders))
        ADD_FAILURE() << "window session failed: " << failure;

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const std::string folder = fresh_folder(c.name + "-batch");
        const Ran ran = run_batch(folder, batch_args(c));
        ASSERT_EQ(ran.status, 0) << ran.err;
        for (const std::string& file : c.outputs) {
            ASSERT_TRUE(exists_in(window_folders[i], file))
                << file << " not written by the windows";
            EXPECT_EQ(file_in(folder, file), file_in(window_folders[i], file)) << file;
        }
    }
}

}  // namespace

TEST(SameFilesAsWindows, EveryMeasureWithEveryLinkageMethod) {
    // Presence/absence data for the four presence/absence measures, counts
    // with replicate groups for the others.
    std::vector<Case> cases;
    // Sized from the tables, so a new measure or method is compared too.
    for (std::size_t m = 0; m < measure_table().size(); ++m) {
        for (std::size_t l = 0; l < linkage_table().size(); ++l) {
            Case c;
            c.name = batch::measure_names()[m] + "-" + batch::linkage_names()[l];
            c.data = measure_table()[m].index >= Measure::Jaccard ? "river_presence.txt"
                                                                  : "lake_stations.txt";
            c.form3 = {"choose Form3.RESMX[" + std::to_string(m) + "]",
                       "choose Form3.LINK_METH[" + std::to_string(l) + "]"};
            c.batch = {"--measure", batch::measure_names()[m],
                       "--linkage=" + batch::linkage_names()[l]};
            cases.push_back(c);
        }
    }
    expect_same_files(cases);
}

TEST(SameFilesAsWindows, DataOptionsListingsAndTestSettings) {
    std::vector<Case> cases = {
        {"constant",
         "meadow_quadrats.txt",
         {"tick Form2.Check1", "set Form2.Text4 2.5"},
         {},
         {"--constant", "2.5"}},
        {"ln-transform",
         "estuary_transect.txt",
         {"tick Form2.Check2", "choose Form2.Option4"},
         {"choose Form3.RESMX[1]"},
         {"--transform", "ln", "--measure", "bray-curtis"}},
        {"binary-transform",
         "lake_stations.txt",
         {"tick Form2.Check2", "choose Form2.Option5"},
         {"choose Form3.RESMX[4]"},
         {"--transform=binary", "--measure", "jaccard"}},
        // Relative abundances and the roots, with replicate groups through
        // the bootstrap, and without them through the similarity profile.
        {"standardise-sqrt",
         "lake_stations.txt",
         {"tick Form2.Standardise", "tick Form2.Check2", "choose Form2.Option6",
          "tick Form2.Check3", "set Form2.Text3 avg.txt"},
         {"choose Form3.RESMX[1]", "set Form3.Text1 25"},
         {"--standardise", "--transform", "sqrt", "--measure", "bray-curtis", "--replicates", "25",
          "--average-matrix", "avg.txt"},
         {"report.txt", "CLUSTER.LST", "SIGLIST.TXT", "avg.txt"}},
        {"fourth-root-simprof",
         "estuary_transect.txt",
         {"tick Form2.Check2", "choose Form2.Option7"},
         {"choose Form3.RESMX[1]", "choose Form3.TestMethod[1]", "set Form3.Permutations 99"},
         {"--transform=fourth-root", "--measure", "bray-curtis", "--test", "simprof",
          "--permutations", "99"},
         {"report.txt", "CLUSTER.LST"}},
        {"standardise-euclidean",
         "meadow_quadrats.txt",
         {"tick Form2.Standardise"},
         {},
         {"--standardise"}},
        {"average-matrix",
         "estuary_transect.txt",
         {"tick Form2.Check3", "set Form2.Text3 avg.txt"},
         {},
         {"--average-matrix", "avg.txt"},
         {"report.txt", "CLUSTER.LST", "SIGLIST.TXT", "avg.txt"}},
        {"savelinks", "estuary_transect.txt", {"set Form2.savelinks 3"}, {}, {"--savelinks", "3"}},
        {"matrices",
         "meadow_quadrats.txt",
         {"tick Form2.sim_matrix", "tick Form2.all_matrix"},
         {},
         {"--sim-matrix", "--all-matrices"}},
        {"squared-minimum-variance",
         "lake_stations.txt",
         {},
         {"choose Form3.RESMX[0]", "tick Form3.Sqr_sim", "choose Form3.LINK_METH[6]"},
         {"--squared", "--linkage", "minimum-variance"}},
        {"replicates-and-alpha",
         "lake_stations.txt",
         {},
         {"set Form3.Text1 25", "set Form3.Alpha_level 0.1"},
         {"--replicates", "25", "--alpha", "0.1"}},
        {"explained-clusters",
         "lake_stations.txt",
         {},
         {"choose Form3.RESMX[1]", "tick Form3.ExplainClusters"},
         {"--measure", "bray-curtis", "--explain"}},
        // The checked file's replicate sequence appears in the report header.
        {"format-check",
         "lake_stations.txt",
         {},
         {},
         {"--check"},
         {"report.txt", "CLUSTER.LST", "SIGLIST.TXT"},
         7},
    };
    expect_same_files(cases);
}

// The figure saved from the dendrogram window and the batch command's
// --figure, for the same figure options, after either significance test.
TEST(SameFilesAsWindows, PublicationFigureForTheSameFigureOptions) {
    const std::vector<std::string> options_dialog = {
        "click Form4.FigureOptions",    "set Form4.FigureTitle Benthos & sediment",
        "choose Form4.FigureLeaves[1]", "choose Form4.FigureP[1]",
        "tick Form4.FigureClusters",    "click Form4.FigureOptionsOk"};
    const std::vector<std::string> clusters = {
        "--figure-view",        "clusters", "--figure-title", "Benthos & sediment",
        "--figure-orientation", "left",     "--figure-p",     "significant"};
    const auto with_figure = [](std::vector<std::string> args) {
        args.insert(args.end(), {"--figure", "figure.svg"});
        return args;
    };
    Case names{"figure-names", "lake_stations.txt", {}, {}, with_figure({}), {"figure.svg"}};
    names.form4 = {"tick Form4.PublicationView", "save-picture figure.svg"};
    Case tips{"figure-clusters",     "estuary_transect.txt", {}, {},
              with_figure(clusters), {"figure.svg"}};
    tips.form4 = options_dialog;
    tips.form4.push_back("save-picture figure.svg");
    Case profile = tips;
    profile.name = "figure-simprof";
    profile.form3 = {"choose Form3.TestMethod[1]", "set Form3.Permutations 99"};
    profile.batch = with_figure(clusters);
    profile.batch.insert(profile.batch.end(), {"--test", "simprof", "--permutations", "99"});
    expect_same_files({names, tips, profile});
}

}  // namespace tw::test
