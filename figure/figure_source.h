#pragma once
// What the publication view of the dendrogram reads of a run: the observed
// hierarchy with the group labels in dendrogram order, and, once the
// significance test has run, each linkage's verdict and P and each group's cluster
// identifier. Taken as a copy, so the view can be redrawn at any size after
// the run's own working arrays have moved on.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bootstrap/linkage_details.h"
#include "resemblance/measure.h"
#include "run/run_context.h"

namespace tw {

struct FigureLinkage {
    std::int32_t left = 0;   // LinkI: the representative group of one side
    std::int32_t right = 0;  // LinkJ
    float level = 0;         // JoinLevel
};

struct FigureSource {
    std::string title;        // the data title
    std::string method_line;  // linkage method and measure
    std::string axis_title;   // "Bray-Curtis similarity (larger is closer)"
    bool distance = false;    // smaller values are closer

    std::vector<std::int32_t> order;       // group at each position, left to right
    std::vector<std::string> leaf_labels;  // group label at each position
    std::vector<FigureLinkage> linkages;   // linkage L at index L - 1
    double savelinks = 100;                // links are drawn while n - L is at most this

    // Filled once a significance test has run, from its result.
    bool tested = false;
    SignificanceTest test = SignificanceTest::Bootstrap;
    std::string alpha_text;
    std::int32_t trials = 0;                 // replicates, or permutations, per linkage
    std::vector<LinkageVerdict> verdicts;    // per linkage, as linkages
    std::vector<std::optional<float>> p;     // per linkage: P of a tested one
    std::vector<std::string> leaf_clusters;  // identifier at each position

    std::int32_t leaves() const { return static_cast<std::int32_t>(order.size()); }
};

// The observed run's hierarchy, after the dendrogram stage; with the
// verdicts when `with_verdicts` and a test has written them.
FigureSource figure_source(const RunContext& ctx, bool with_verdicts);

// The data title as a figure shows it: the start-up window asks for the
// title in single quotes, and the data file keeps them (its own quotes are
// double), so a title standing in single quotes is shown without them.
std::string figure_title(const std::string& data_title);

// "Bray-Curtis similarity (larger is closer)", "Euclidean distance (smaller
// is closer)": the measure's name on the axis (its measure table entry) and
// which way is closer.
std::string axis_title(Measure measure, bool distance, bool squared);

// The first linkage the savelinks threshold lets the dendrogram draw:
// the smallest L with n - L at most savelinks (n when none is drawn).
std::int32_t first_drawn_linkage(std::int32_t n, double savelinks);

// What the window says when the threshold hides the lower links; empty when
// every link is drawn.
std::string hidden_links_note(std::int32_t n, double savelinks);

}  // namespace tw
