#include "explain/explanation_report.h"
#include "run/array_index.h"

#include <cmath>

#include "explain/simper.h"
#include "resemblance/measure.h"
#include "run/number_format.h"

namespace tw {

namespace {

constexpr const char* kHeading = "What makes each cluster";
constexpr std::size_t kNameWidth = 24;
constexpr std::size_t kColumnWidth = 10;

std::string padded_left(const std::string& text, std::size_t width) {
    return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}

// The species name in its column: cut to fit, so the numbers stay aligned.
std::string name_cell(const std::string& name) {
    const std::string cut = name.size() > kNameWidth - 2 ? name.substr(0, kNameWidth - 2) : name;
    return cut + std::string(kNameWidth - cut.size(), ' ');
}

std::string row_of(const std::string& name, const std::vector<std::string>& cells) {
    std::string line = name_cell(name);
    for (const std::string& c : cells) line += padded_left(c, kColumnWidth);
    return line;
}

void write_simper_table(Printer& report, const RunContext& ctx, const ClusterExplanation& e,
                        const SimperTable& t) {
    const bool within = t.kind == SimperKind::Within;
    const std::string& a = e.clusters[at(t.cluster_a)];
    report.line();
    if (within) {
        report
            .text("Cluster " + a + ": " + integer_text(e.stations[at(t.cluster_a)]) +
                  " stations, average similarity " + explanation_number(t.overall, 2))
            .end();
    } else {
        const std::string& b = e.clusters[at(t.cluster_b)];
        report
            .text("Clusters " + a + " and " + b + ": average dissimilarity " +
                  explanation_number(t.overall, 2))
            .end();
    }
    if (t.empty_pairs > 0)
        report
            .text(integer_text(t.empty_pairs) +
                  " pairs of stations with no individuals at all were left out")
            .end();
    if (t.species.empty()) {
        report.text("No species contributes").end();
        return;
    }
    std::vector<std::string> heads =
        within
            ? std::vector<std::string>{"Av.Abund", "Av.Sim", "SD", "Sim/SD", "Contrib%", "Cum.%"}
            : std::vector<std::string>{"Av.Abund " + a, "Av.Abund " + e.clusters[at(t.cluster_b)],
                                       "Av.Diss",       "SD",
                                       "Diss/SD",       "Contrib%",
                                       "Cum.%"};
    report.text(row_of("Species", heads)).end();
    const std::size_t listed = listed_species(t, e.simper_cut);
    for (std::size_t r = 0; r < listed; ++r) {
        const SimperSpecies& s = t.species[r];
        std::vector<std::string> cells = {explanation_number(s.mean_a, 2)};
        if (!within) cells.push_back(explanation_number(s.mean_b, 2));
        for (double v : {s.average, s.sd, s.ratio, s.share, s.cumulative})
            cells.push_back(explanation_number(v, 2));
        report.text(row_of(ctx.SpeciesLabel[at(s.species)], cells)).end();
    }
}

void write_indicators(Printer& report, const RunContext& ctx, const ClusterExplanation& e) {
    report.line();
    report
        .text("Indicator values (Dufrene & Legendre 1997): " + integer_text(e.permutations) +
              " permutations of the stations among the clusters, seed " + std::to_string(e.seed))
        .end();
    report.text(row_of("Species", {"Cluster", "A", "B", "IndVal", "P"})).end();
    for (const IndicatorSpecies& s : e.indicators) {
        const std::string& name = ctx.SpeciesLabel[at(s.species)];
        if (s.max_cluster < 0) {
            report.text(row_of(name, {"-"})).end();
            continue;
        }
        const auto c = at(s.max_cluster);
        report
            .text(row_of(name, {e.clusters[c], explanation_number(s.specificity[c], 4),
                                explanation_number(s.fidelity[c], 4),
                                explanation_number(s.indval[c], 2), explanation_number(s.p, 4)}))
            .end();
    }
}

}  // namespace

std::string explanation_number(double value, int decimals) {
    if (std::isnan(value)) return "-";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    return pattern_text("0." + std::string(static_cast<std::size_t>(decimals), '0'), value);
}

void write_explanation(Printer& report, const RunContext& ctx, const ClusterExplanation& e) {
    report.line();
    report.line();
    report.text(kHeading).end();
    report
        .text(
            "Similarity percentages (Clarke 1993) on Bray-Curtis whatever the run's measure "
            "(this run: " +
            std::string(traits_of(ctx.MeasureIndex).prose) + ")")
        .end();
    report
        .text("Stations as transformed, each in its group's cluster; species listed to " +
              single_text(static_cast<float>(e.simper_cut)) + "% cumulative")
        .end();
    for (const SimperTable& t : e.simper) write_simper_table(report, ctx, e, t);
    if (e.clusters.size() > static_cast<std::size_t>(kMostClustersCompared))
        report
            .text("More than " + integer_text(kMostClustersCompared) +
                  " clusters: no tables between pairs of clusters")
            .end();
    write_indicators(report, ctx, e);
}

void write_explanation_refused(Printer& report, const std::string& why) {
    report.line();
    report.line();
    report.text(kHeading).end();
    report.text("Not worked out: " + why).end();
}

}  // namespace tw
