#pragma once
// The ordination of a finished observed run: its objects (the groups, after
// averaging and transformation) placed from the run's resemblance matrix,
// with what the plot and the exports show of each: its label and, once the
// significance test has cut the tree, its cluster identifier and colour,
// the same colour the publication view gives that cluster.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "figure/figure.h"
#include "ordination/nmds.h"
#include "run/run_context.h"

namespace tw {

struct RunOrdination {
    Ordination result;
    PairDissimilarities dissimilarities;
    std::string title;                   // the data title
    std::string measure;                 // "Bray-Curtis", as the figure's axis names it
    std::vector<std::string> labels;     // group label of each object, in group order
    std::vector<std::string> clusters;   // cluster identifier of each object; "" when none
    std::map<std::string, Rgb> colours;  // of each cluster identifier

    Rgb colour_of(std::int32_t object) const;
};

// The run's seed: the one the significance test drew from when it has run,
// else the one typed in the linkage window or fixed by the batch command,
// else 1 (a blank seed box would otherwise make the ordination differ each
// time the window opens).
std::uint64_t ordination_seed(const RunContext& ctx);

// Everything but the result, read from the run: what a window copies
// before it ordinates on another thread, while the run may move on.
// Throws std::runtime_error, saying why, when the run has no usable matrix.
RunOrdination ordination_inputs(const RunContext& ctx);

// Fills o.result. Throws std::invalid_argument, saying why, when the
// objects cannot be ordinated, and OrdinationStopped when stopped.
void ordinate(RunOrdination& o, const NmdsSettings& settings, const NmdsControl& control = {});

// Both of the above.
RunOrdination ordinate_run(const RunContext& ctx, const NmdsSettings& settings,
                           const NmdsControl& control = {});

// The colour of every cluster identifier, as the publication view colours
// the clusters: the k-th run of one identifier along the leaves, from the
// left, takes the palette's k-th colour, and a cluster keeps its first.
std::map<std::string, Rgb> cluster_colours(const std::vector<std::string>& leaf_clusters);

}  // namespace tw
