#include "cli/batch_usage.h"

#include "cli/batch_options.h"
#include "cli/table_options.h"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "unknown"
#endif

namespace tw::batch {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : " | ") + n;
    return s;
}

}  // namespace

std::string usage_text() {
    return "Usage: tarnwick-batch [OPTIONS] DATA\n"
           "\n"
           "Runs one whole TARNWICK analysis of the data file DATA without windows: reading,\n"
           "averaging of replicate groups, transformation, resemblance, clustering, dendrogram\n"
           "listing, bootstrap test of every linkage and cluster identifiers. It writes the\n"
           "same report, CLUSTER.LST (in the current folder), SIGLIST.TXT (appended, in the\n"
           "current folder) and average-matrix file as the windows given the same settings\n"
           "and seed. Outputs are put in place only when the whole run has succeeded.\n"
           "Options take their value as --name VALUE or --name=VALUE.\n"
           "\n"
           "Resemblance and linkage:\n"
           "  --measure NAME       " +
           joined(measure_names()) +
           "\n"
           "                       (default euclidean)\n"
           "  --linkage NAME       " +
           joined(linkage_names()) +
           "\n"
           "                       (default upgma)\n"
           "  --squared            square the resemblance values\n"
           "\n"
           "Data:\n"
           "  --constant X         multiply the data by X (default: not multiplied)\n"
           "  --transform NAME     " +
           joined(transform_names()) +
           "\n"
           "                       (default none; ln is ln(X+1), applied to the group means)\n"
           "  --standardise        express each group as % of its total before transforming\n"
           "  --average-matrix FILE  write the average abundance matrix to FILE\n"
           "  --check              check the data file's format first; list every fault with\n"
           "                       its line and stop when there is any\n"
           "  --yes                answer Yes to every data warning question (rows or columns\n"
           "                       totalling zero or less, poor log-series fit); without it\n"
           "                       the first such question stops the run\n"
           "\n"
           "Reading a table given as DATA (as tarnwick-import reads it; what is not\n"
           "given is detected from the table):\n" +
           cli::table_options_usage(23) +
           "\n"
           "Report:\n"
           "  --report FILE        the report file; - for standard output (default -)\n"
           "  --savelinks K        list in CLUSTER.LST every level with K or fewer clusters\n"
           "                       (default 100; 0 writes no CLUSTER.LST)\n"
           "  --sim-matrix         list the resemblance matrix in the report\n"
           "  --all-matrices       list the matrix again after every linkage\n"
           "\n"
           "Significance test:\n"
           "  --test bootstrap|simprof\n"
           "                       bootstrap of replicate groups (default), or the\n"
           "                       similarity profile test for data without replicates\n"
           "  --permutations N     similarity profile permutations per linkage (default 1000)\n"
           "  --replicates N       bootstrap samples per linkage (default 10)\n"
           "  --alpha A            significance level, between 0 and 1 (default 0.05)\n"
           "  --seed S             random seed for repeatable counts (default: from the\n"
           "                       clock; the seed used is printed on standard error)\n"
           "  --threads T          threads drawing replicates (default 0: every core);\n"
           "                       the counts do not depend on it\n"
           "  --no-bootstrap       stop after the clustering (no test, no SIGLIST.TXT lines)\n"
           "  --explain            after the test, report the species that typify, separate\n"
           "                       and indicate the clusters (with --export, also\n"
           "                       PREFIX.simper.csv and PREFIX.indicators.csv)\n"
           "  --simper-cut PERCENT list species down to this cumulative share (default 90)\n"
           "  --indicator-permutations N\n"
           "                       permutations for the indicator values' P (default 999)\n"
           "  --export PREFIX      also write PREFIX.nwk, PREFIX.members.csv,\n"
           "                       PREFIX.results.csv, PREFIX.linkage.csv and PREFIX.run.json\n"
           "                       (needs a significance test: not with --no-bootstrap)\n"
           "  --figure FILE        the publication figure, SVG, PDF or PNG by FILE's extension\n"
           "  --figure-view names|clusters    every object by name (default), or each\n"
           "                       cluster as one tip\n"
           "  --figure-title TEXT  the figure's title (default: the data title)\n"
           "  --figure-p all|significant|none    which nodes show their P (default all)\n"
           "  --figure-orientation down|left    where the leaves stand (default down)\n"
           "  --figure-dpi N       pixels per inch of a PNG figure (default 300)\n"
           "  --quiet              no progress display on standard error\n"
           "\n"
           "Ordination:\n"
           "  --ordination FILE    non-metric multidimensional scaling of the objects, the\n"
           "                       clusters in colour: FILE.svg, .pdf or .png the picture\n"
           "                       (at --figure-dpi), FILE.csv the coordinates; with\n"
           "                       --export also PREFIX.ordination.csv\n"
           "  --ordination-dimensions K  2 or 3 axes (default 2)\n"
           "  --ordination-starts N      starts, the first from classical scaling\n"
           "                       (default 20; the seed is the test's)\n"
           "\n"
           "  --help               show this text and stop\n"
           "  --version            show the version and stop\n"
           "\n"
           "Exit status:\n"
           "  0  done\n"
           "  1  the program stopped on an inconsistency of its own\n"
           "  2  the command line cannot be used\n"
           "  3  the data file cannot be read or analysed, or --check found faults\n"
           "  4  the run stopped at a data warning question (see --yes)\n"
           "  5  an output file cannot be created or written\n"
           "  130, 143  interrupted (SIGINT, SIGTERM); no output was left half written\n";
}

std::string version_text() {
    return std::string("tarnwick-batch (TARNWICK) ") + TARNWICK_VERSION + "\n";
}

}  // namespace tw::batch
