// The command line fills the same settings the windows fill.

#include <gtest/gtest.h>

#include "cli/batch_options.h"
#include "cli/batch_usage.h"
#include "cli/import_arguments.h"
#include "cli/table_options.h"
#include "cluster/linkage_method.h"
#include "resemblance/measure.h"
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
    EXPECT_EQ(o.settings.measure, windows.measure);
    EXPECT_EQ(o.settings.linkage, windows.linkage);
    EXPECT_EQ(o.settings.boot_text, windows.boot_text);
    EXPECT_EQ(o.settings.alpha_text, windows.alpha_text);
    EXPECT_EQ(o.settings.savelinks_text, windows.savelinks_text);
    EXPECT_FALSE(o.settings.multiply);
    EXPECT_FALSE(o.settings.print_average);
    EXPECT_FALSE(o.seed_given);
    EXPECT_TRUE(o.run_bootstrap);
}

TEST(BatchOptions, NamesChooseTheWindowsEntriesInTheirOrder) {
    for (const MeasureTraits& m : measure_table())
        EXPECT_EQ(parsed({"--measure", m.option, "d"}).settings.measure, m.index);
    for (const LinkageTraits& l : linkage_table())
        EXPECT_EQ(parsed({"--linkage=" + l.option, "d"}).settings.linkage, l.method);
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
                                   "--explain",
                                   "--simper-cut=75.5",
                                   "--indicator-permutations",
                                   "0",
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
    EXPECT_TRUE(s.explain_clusters);
    EXPECT_EQ(s.simper_cut, 75.5);
    EXPECT_EQ(s.indicator_permutations, 0);
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
                                                 {"--average-matrix=", "d"},
                                                 {"--figure", "tree.gif", "d"},
                                                 {"--figure-dpi", "20", "d"},
                                                 {"--figure-view", "tips", "d"},
                                                 {"--simper-cut", "0", "d"},
                                                 {"--simper-cut", "100.5", "d"},
                                                 {"--indicator-permutations", "-1", "d"}}) {
        const ParsedOptions p = parse_batch_options(args);
        EXPECT_FALSE(p.options.has_value()) << args[0] << " " << args[1];
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(BatchOptions, BothToolsReadAndListTheSameTableOptions) {
    // Every table option is listed in both --help texts and taken by both
    // parsers alike, from the one table.
    for (const cli::TableOption& option : cli::table_options()) {
        const std::string name = std::string("--") + option.name;
        EXPECT_NE(usage_text().find(name), std::string::npos) << name;
        EXPECT_NE(cli::import_help().find(name), std::string::npos) << name;
        const std::string value = name == "--separator" ? "tab" : name == "--long" ? "s,p,v" : "X";
        std::vector<std::string> args = {name};
        if (option.value_name) args.push_back(value);
        std::vector<std::string> batch = args, import = args;
        batch.push_back("d.txt");
        import.insert(import.end(), {"t.csv", "d.txt"});
        const ParsedOptions b = parse_batch_options(batch);
        ASSERT_TRUE(b.options.has_value()) << name << ": " << b.error;
        const import::ImportOptions& x = b.options->table;
        const import::ImportOptions y = cli::parse_import_arguments(import).options;
        EXPECT_TRUE(x.title == y.title && x.sheet == y.sheet && x.orientation == y.orientation &&
                    x.decimal_mark == y.decimal_mark && x.separator == y.separator &&
                    x.missing_as_zero == y.missing_as_zero &&
                    x.group_column.kind == y.group_column.kind &&
                    x.label_column.name == y.label_column.name &&
                    x.long_columns.has_value() == y.long_columns.has_value())
            << name;
    }
    // A value that cannot be used is refused alike.
    EXPECT_FALSE(parse_batch_options({"--separator=pipe", "d.txt"}).options.has_value());
    EXPECT_THROW(cli::parse_import_arguments({"--separator=pipe", "t", "d"}),
                 std::invalid_argument);
}

TEST(BatchOptions, FigureOptionsFillTheSameChoicesAsTheFigureOptionsDialog) {
    const BatchOptions o = parsed({"--figure", "tree.PDF", "--figure-view", "clusters",
                                   "--figure-title=Bay", "--figure-p", "significant",
                                   "--figure-orientation", "left", "--figure-dpi", "600", "d"});
    FigureOptions dialog;
    dialog.view = FigureView::Clusters;
    dialog.title = "Bay";
    dialog.p_shown = PShown::Significant;
    dialog.leaf_side = LeafSide::Left;
    dialog.dpi = 600;
    EXPECT_EQ(o.figure_file, "tree.PDF");
    EXPECT_EQ(o.figure, dialog);
    EXPECT_EQ(parse_batch_options({"--figure-p", "some", "d"}).error,
              "unknown --figure-p 'some' (choose all|significant|none)");
}

}  // namespace tw::batch
