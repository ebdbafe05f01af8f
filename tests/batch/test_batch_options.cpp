// The command line fills the same settings the windows fill.

#include <gtest/gtest.h>

#include "cli/batch_options.h"
#include "run/transform.h"

namespace tw::batch {

namespace {

BatchOptions parsed(const std::vector<std::string>& args) {
    const ParsedOptions p = parse_batch_options(args);
    EXPECT_TRUE(p.options.has_value()) << p.error;
    return p.options.value_or(BatchOptions{});
}

}  // namespace

TEST(BatchOptions, WithoutOptionsTheRunIsTheWindowsDefaultWithTheReportOnStandardOutput) {
    const BatchOptions o = parsed({"data.txt"});
    const RunSettings windows;
    EXPECT_EQ(o.settings.input_file, "data.txt");
    EXPECT_EQ(o.settings.output_mode, OutputMode::File);
    EXPECT_EQ(o.settings.output_file, "-");
    EXPECT_TRUE(o.settings.bypass_check);
    EXPECT_EQ(o.settings.resmx, windows.resmx);
    EXPECT_EQ(o.settings.link_meth, windows.link_meth);
    EXPECT_EQ(o.settings.boot_text, windows.boot_text);
    EXPECT_EQ(o.settings.alpha_text, windows.alpha_text);
    EXPECT_EQ(o.settings.savelinks_text, windows.savelinks_text);
    EXPECT_FALSE(o.settings.multiply);
    EXPECT_FALSE(o.settings.print_average);
    EXPECT_FALSE(o.seed_given);
    EXPECT_TRUE(o.run_bootstrap);
}

TEST(BatchOptions, NamesChooseTheWindowsEntriesInTheirOrder) {
    for (std::size_t i = 0; i < measure_names().size(); ++i)
        EXPECT_EQ(parsed({"--measure", measure_names()[i], "d"}).settings.resmx,
                  static_cast<int>(i));
    for (std::size_t i = 0; i < linkage_names().size(); ++i)
        EXPECT_EQ(parsed({"--linkage=" + linkage_names()[i], "d"}).settings.link_meth,
                  static_cast<int>(i));
    EXPECT_EQ(measure_names()[3], "heterogeneity-ratio");
    EXPECT_EQ(linkage_names()[6], "minimum-variance");
}

TEST(BatchOptions, EveryOptionSetsWhatItsWindowControlWould) {
    const BatchOptions o = parsed({"--squared",
                                   "--constant=2.5",
                                   "--transform",
                                   "binary",
                                   "--average-matrix",
                                   "avg.txt",
                                   "--savelinks",
                                   "7",
                                   "--sim-matrix",
                                   "--all-matrices",
                                   "--replicates",
                                   "250",
                                   "--alpha",
                                   "0.01",
                                   "--seed",
                                   "99",
                                   "--threads",
                                   "3",
                                   "--report",
                                   "out.lst",
                                   "--check",
                                   "--yes",
                                   "--quiet",
                                   "--no-bootstrap",
                                   "d.txt"});
    const RunSettings& s = o.settings;
    EXPECT_TRUE(s.sqr_sim);
    EXPECT_TRUE(s.multiply);
    EXPECT_EQ(s.constant_text, "2.5");
    EXPECT_TRUE(s.transform_binary);
    EXPECT_FALSE(s.transform_ln);
    EXPECT_TRUE(s.print_average);
    EXPECT_EQ(s.average_file, "avg.txt");
    EXPECT_EQ(s.savelinks_text, "7");
    EXPECT_TRUE(s.sim_matrix);
    EXPECT_TRUE(s.all_matrix);
    EXPECT_EQ(s.boot_text, "250");
    EXPECT_EQ(s.alpha_text, "0.01");
    EXPECT_EQ(s.random_seed, 99u);
    EXPECT_TRUE(o.seed_given);
    EXPECT_EQ(s.bootstrap_threads, 3u);
    EXPECT_EQ(s.output_file, "out.lst");
    EXPECT_FALSE(s.bypass_check);
    EXPECT_TRUE(o.check && o.answer_yes && o.quiet);
    EXPECT_FALSE(o.run_bootstrap);
}

TEST(BatchOptions, LaterTransformReplacesEarlierAndSeedZeroMeansTheClock) {
    const BatchOptions o = parsed({"--transform", "ln", "--transform", "none", "--seed", "0", "d"});
    EXPECT_FALSE(o.settings.transform_ln || o.settings.transform_binary);
    EXPECT_FALSE(o.seed_given);
    // A root chosen earlier must not win over the one chosen last.
    const RunSettings roots =
        parsed({"--transform", "sqrt", "--standardise", "--transform=fourth-root", "d"}).settings;
    EXPECT_EQ(chosen_transform(roots), Transform::FourthRoot);
    EXPECT_TRUE(roots.standardise);
}

TEST(BatchOptions, DoubleDashEndsTheOptionsSoADataFileMayStartWithADash) {
    EXPECT_EQ(parsed({"--yes", "--", "--odd-name.txt"}).settings.input_file, "--odd-name.txt");
    EXPECT_EQ(parsed({"-"}).settings.input_file, "-");
}

TEST(BatchOptions, ValuesOutsideTheirRangeAreRefused) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--savelinks", "-1", "d"},
                                                 {"--replicates", "2.5", "d"},
                                                 {"--alpha", "0", "d"},
                                                 {"--alpha", "abc", "d"},
                                                 {"--seed", "-3", "d"},
                                                 {"--threads", "x", "d"},
                                                 {"--constant", "1e999", "d"},
                                                 {"--constant=", "d"},
                                                 {"--transform", "log", "d"},
                                                 {"--report=", "d"},
                                                 {"--average-matrix=", "d"}}) {
        const ParsedOptions p = parse_batch_options(args);
        EXPECT_FALSE(p.options.has_value()) << args[0] << " " << args[1];
        EXPECT_FALSE(p.error.empty());
    }
}

}  // namespace tw::batch
