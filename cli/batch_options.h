#pragma once
// The command line of tarnwick-batch, parsed into the same RunSettings the
// windows fill, so that the two cannot drift apart.

#include <optional>
#include <string>
#include <vector>

#include "figure/figure_options.h"
#include "import/import_options.h"
#include "run/run_settings.h"

namespace tw::batch {

struct BatchOptions {
    RunSettings settings;  // input, report, measure, linkage, data and test options
    bool seed_given = false;
    bool check = false;           // run the format check before the analysis
    bool answer_yes = false;      // answer Yes to every data warning question
    bool quiet = false;           // no progress on standard error
    bool run_bootstrap = true;    // false: stop after the observed run
    std::string export_prefix;    // --export: the results files' prefix; empty: none
    std::string figure_file;      // --figure: the publication figure; empty: none
    FigureOptions figure;         // --figure-*: as the window's "Figure options"
    std::string ordination_file;  // --ordination: picture or coordinates; empty: none
    int ordination_dimensions = 2;
    int ordination_starts = 20;
    // How a table given as DATA is read (the options of tarnwick-import).
    import::ImportOptions table;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    std::optional<BatchOptions> options;  // set when the command line can be used
    std::string error;                    // else: what is wrong with it
};

// The report goes to standard output under this name.
inline constexpr const char* kStandardOutput = "-";

// Parses the arguments after the program name. GNU-style long options:
// "--name value" and "--name=value" alike; "--" ends the options.
ParsedOptions parse_batch_options(const std::vector<std::string>& args);

// The command-line names of the measures (from the measure table) and the
// linkage methods, in the order of the windows' RESMX and LINK_METH entries.
const std::vector<std::string>& measure_names();
const std::vector<std::string>& linkage_names();
// The --transform values, from the transformation table.
const std::vector<std::string>& transform_names();

}  // namespace tw::batch
