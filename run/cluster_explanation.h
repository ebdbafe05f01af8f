#pragma once
// What makes each final cluster: the species that typify a cluster and
// separate it from another (similarity percentages) and the species that
// indicate it (indicator values). Computed after a test, on request, and kept
// with the run so that the report, the window and the export read one result.

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

enum class SimperKind : std::int8_t {
    Within,   // pairs of stations of one cluster: their similarity
    Between,  // pairs across two clusters: their dissimilarity
};

// One species' part in a cluster's (or a pair of clusters') Bray-Curtis
// similarity (within) or dissimilarity (between), in percent.
struct SimperSpecies {
    std::int32_t species = 0;  // 1..NumCols
    double mean_a = 0.0;       // its average abundance in cluster_a
    double mean_b = 0.0;       // ... in cluster_b (between only)
    double average = 0.0;      // its average contribution over the pairs
    double sd = 0.0;           // standard deviation over the pairs (NaN: one pair)
    double ratio = 0.0;        // average / sd (NaN or Inf when sd is NaN or 0)
    double share = 0.0;        // average as a percentage of the overall value
    double cumulative = 0.0;   // running share down the sorted list
};

struct SimperTable {
    SimperKind kind = SimperKind::Within;
    std::int32_t cluster_a = 0;    // index into ClusterExplanation::clusters
    std::int32_t cluster_b = -1;   // -1 within
    std::int32_t pairs = 0;        // pairs of stations averaged
    std::int32_t empty_pairs = 0;  // pairs of two empty stations, left out
    double overall = 0.0;          // average similarity or dissimilarity, percent
    // Every species with a contribution above zero, the largest first; the
    // outputs list them down to the cut.
    std::vector<SimperSpecies> species;
};

struct IndicatorSpecies {
    std::int32_t species = 0;         // 1..NumCols
    std::vector<double> specificity;  // A, per cluster
    std::vector<double> fidelity;     // B, per cluster
    std::vector<double> indval;       // 100 A B, per cluster
    std::int32_t max_cluster = -1;    // where IndVal is highest; -1 when never present
    double p = 0.0;                   // NaN when not tested
};

struct ClusterExplanation {
    std::vector<std::string> clusters;   // identifiers, in identifier order
    std::vector<std::int32_t> stations;  // per cluster
    double simper_cut = 90.0;            // cumulative share the lists run to, percent
    std::int32_t permutations = 0;
    std::uint64_t seed = 0;
    std::vector<SimperTable> simper;           // within clusters first, then every pair
    std::vector<IndicatorSpecies> indicators;  // file order of the species
};

// Rows of `table` listed under `cut`: down to and including the species whose
// cumulative share first reaches it.
inline std::size_t listed_species(const SimperTable& table, double cut) {
    std::size_t n = 0;
    while (n < table.species.size() && (n == 0 || table.species[n - 1].cumulative < cut)) ++n;
    return n;
}

}  // namespace tw
