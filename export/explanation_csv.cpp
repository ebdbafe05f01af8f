#include "export/explanation_csv.h"
#include "run/array_index.h"

#include <cmath>

#include "export/csv_row.h"
#include "export/number_text.h"

namespace tw {

namespace {

std::string value(double v) {
    return std::isnan(v) ? std::string() : shortest_text(v);
}

}  // namespace

std::string simper_csv(const RunContext& ctx, const ClusterExplanation& e) {
    std::string out = csv_row({"kind", "cluster_a", "cluster_b", "species", "mean_a", "mean_b",
                               "average", "sd", "ratio", "share", "cumulative"});
    for (const SimperTable& t : e.simper) {
        const bool within = t.kind == SimperKind::Within;
        const std::string b = within ? std::string() : e.clusters[at(t.cluster_b)];
        const std::size_t listed = listed_species(t, e.simper_cut);
        for (std::size_t r = 0; r < listed; ++r) {
            const SimperSpecies& s = t.species[r];
            out += csv_row({within ? "within" : "between", e.clusters[at(t.cluster_a)], b,
                            ctx.SpeciesLabel[at(s.species)], value(s.mean_a), value(s.mean_b),
                            value(s.average), value(s.sd), value(s.ratio), value(s.share),
                            value(s.cumulative)});
        }
    }
    return out;
}

std::string indicators_csv(const RunContext& ctx, const ClusterExplanation& e) {
    std::vector<std::string> head = {"species",  "cluster", "specificity",
                                     "fidelity", "indval",  "p"};
    for (const std::string& c : e.clusters) head.push_back("indval_" + c);
    std::string out = csv_row(head);
    for (const IndicatorSpecies& s : e.indicators) {
        std::vector<std::string> row = {ctx.SpeciesLabel[at(s.species)]};
        if (s.max_cluster < 0) {
            row.insert(row.end(), {"", "", "", "", ""});
        } else {
            const std::size_t c = at(s.max_cluster);
            row.insert(row.end(), {e.clusters[c], value(s.specificity[c]), value(s.fidelity[c]),
                                   value(s.indval[c]), value(s.p)});
        }
        for (double v : s.indval) row.push_back(value(v));
        out += csv_row(row);
    }
    return out;
}

}  // namespace tw
