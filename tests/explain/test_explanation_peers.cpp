// The explanation beside R's vegan (simper) and labdsv (indval) on the same
// stations and clusters. Skipped, saying why, where R or either package is
// not installed.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "explain/explain_fixture.h"
#include "explain/indicator_values.h"
#include "explain/simper.h"
#include "support/test_files.h"

namespace tw::test {
namespace {

constexpr int kMissingPackage = 3;

// Prints one line per value: "simper A_B species average sd ratio ava avb
// cusum" and "indval species relabu... relfrq... indval... maxcls pval".
constexpr const char* kScript = R"(
args <- commandArgs(TRUE)
for (p in c("vegan", "labdsv"))
  if (!suppressMessages(requireNamespace(p, quietly = TRUE))) quit(status = 3)
x <- read.csv(args[1], stringsAsFactors = FALSE)
grp <- x$cluster
comm <- x[, -1]
s <- vegan::simper(comm, grp, permutations = 0)
for (pair in names(s)) {
  r <- s[[pair]]
  cusum <- numeric(length(r$average)); cusum[r$ord] <- r$cusum
  for (k in seq_along(r$average))
    cat("simper", pair, k, sprintf("%.17g", c(r$average[k], r$sd[k], r$ratio[k], r$ava[k],
        r$avb[k], cusum[k])), "\n")
}
set.seed(1)
iv <- labdsv::indval(comm, match(grp, sort(unique(grp))), numitr = as.integer(args[2]))
for (k in seq_len(ncol(comm)))
  cat("indval", k, sprintf("%.17g", c(unlist(iv$relabu[k, ]), unlist(iv$relfrq[k, ]),
      unlist(iv$indval[k, ]))), iv$maxcls[k], sprintf("%.17g", iv$pval[k]), "\n")
)";

struct PeerOutput {
    bool ran = false;
    std::map<std::string, std::vector<double>> simper;  // "A_B k" -> 6 values
    std::map<int, std::vector<double>> indval;          // k -> A..., B..., IndVal..., maxcls, p
};

PeerOutput run_peers(const ClusterStations& cs, int permutations) {
    std::ostringstream csv;
    csv << "cluster";
    for (int k = 1; k <= cs.species; ++k) csv << ",sp" << k;
    csv << "\n";
    for (std::int32_t i = 0; i < cs.stations; ++i) {
        csv << cs.clusters[static_cast<std::size_t>(cs.cluster[static_cast<std::size_t>(i)])];
        for (std::int32_t k = 0; k < cs.species; ++k) csv << "," << cs.value(i, k);
        csv << "\n";
    }
    const std::string data = write_input_file("stations.csv", csv.str());
    const std::string script = write_input_file("peers.R", kScript);
    const std::string command = "Rscript --vanilla '" + script + "' '" + data + "' " +
                                std::to_string(permutations) + " 2>/dev/null";
    PeerOutput out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    std::string text;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
    const int status = pclose(pipe);
    if (status != 0) return out;
    out.ran = true;
    std::istringstream lines(text);
    std::string kind;
    while (lines >> kind) {
        std::string rest;
        std::getline(lines, rest);
        std::istringstream fields(rest);
        if (kind == "simper") {
            std::string pair;
            int k = 0;
            fields >> pair >> k;
            std::vector<double>& v = out.simper[pair + " " + std::to_string(k)];
            for (std::string f; fields >> f;) v.push_back(std::strtod(f.c_str(), nullptr));
        } else {
            int k = 0;
            fields >> k;
            std::vector<double>& v = out.indval[k];
            for (std::string f; fields >> f;) v.push_back(std::strtod(f.c_str(), nullptr));
        }
    }
    return out;
}

TEST(ExplanationPeers, BetweenClustersAgreesWithVeganAndIndicatorsWithLabdsv) {
    const ClusterStations cs = drawn_stations({5, 3, 6, 4}, 12, 11);
    constexpr int kPermutations = 1999;
    const PeerOutput peer = run_peers(cs, kPermutations);
    if (!peer.ran) GTEST_SKIP() << "Rscript with the vegan and labdsv packages is not installed";

    int compared = 0;
    for (const SimperTable& t : similarity_percentages(cs, 2)) {
        if (t.kind != SimperKind::Between) continue;
        const std::string pair = cs.clusters[static_cast<std::size_t>(t.cluster_a)] + "_" +
                                 cs.clusters[static_cast<std::size_t>(t.cluster_b)];
        for (const SimperSpecies& s : t.species) {
            const auto found = peer.simper.find(pair + " " + std::to_string(s.species));
            ASSERT_NE(found, peer.simper.end()) << pair << " species " << s.species;
            const std::vector<double>& r = found->second;
            ASSERT_EQ(r.size(), 6u);
            // vegan gives the contributions as fractions, the program in percent.
            EXPECT_NEAR(s.average, 100 * r[0], 1e-6) << pair << " " << s.species;
            EXPECT_NEAR(s.sd, 100 * r[1], 1e-6) << pair << " " << s.species;
            EXPECT_NEAR(s.ratio, r[2], 1e-6) << pair << " " << s.species;
            EXPECT_NEAR(s.mean_a, r[3], 1e-9) << pair << " " << s.species;
            EXPECT_NEAR(s.mean_b, r[4], 1e-9) << pair << " " << s.species;
            EXPECT_NEAR(s.cumulative, 100 * r[5], 1e-6) << pair << " " << s.species;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);

    const std::vector<IndicatorSpecies> rows = indicator_values(cs, {kPermutations, 3, 2});
    const std::size_t clusters = cs.clusters.size();
    for (const IndicatorSpecies& s : rows) {
        const std::vector<double>& r = peer.indval.at(s.species);
        ASSERT_EQ(r.size(), 3 * clusters + 2);
        for (std::size_t c = 0; c < clusters; ++c) {
            EXPECT_NEAR(s.specificity[c], r[c], 1e-12) << s.species;
            EXPECT_NEAR(s.fidelity[c], r[clusters + c], 1e-12) << s.species;
            EXPECT_NEAR(s.indval[c], 100 * r[2 * clusters + c], 1e-10) << s.species;
        }
        EXPECT_EQ(s.max_cluster + 1, static_cast<int>(r[3 * clusters])) << s.species;
        // Two estimates of one P from 1,999 draws each.
        const double p = r[3 * clusters + 1];
        EXPECT_NEAR(s.p, p, 4 * std::sqrt(2 * p * (1 - p) / kPermutations) + 0.002) << s.species;
    }
}

}  // namespace
}  // namespace tw::test
