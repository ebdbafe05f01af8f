// The explanation's numbers worked by hand on three stations, and the
// indicator P's independence of the thread count.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "explain/explain_fixture.h"
#include "explain/indicator_values.h"
#include "explain/simper.h"
#include "export/explanation_csv.h"
#include "export/number_text.h"
#include "run/run_context.h"

namespace tw::test {
namespace {

// Stations 1 and 2 form cluster A, station 3 cluster B:
//   s1 = (2, 0, 1)   s2 = (1, 1, 0)   s3 = (0, 3, 1)
ClusterStations three_stations() {
    return stations_of({{2, 0, 1}, {1, 1, 0}, {0, 3, 1}}, {0, 0, 1});
}

const SimperSpecies& row_of_species(const SimperTable& t, std::int32_t species) {
    for (const SimperSpecies& s : t.species)
        if (s.species == species) return s;
    ADD_FAILURE() << "species " << species << " not listed";
    return t.species.front();
}

TEST(ExplanationValues, WithinAClusterTheSpeciesSharedShareOutItsSimilarity) {
    const std::vector<SimperTable> tables = similarity_percentages(three_stations(), 2);
    ASSERT_EQ(tables.size(), 2u);  // within A (B has one station), then A-B
    const SimperTable& a = tables[0];
    EXPECT_EQ(a.kind, SimperKind::Within);
    EXPECT_EQ(a.cluster_a, 0);
    EXPECT_EQ(a.pairs, 1);
    // 200 min / (3 + 2): only species 1 is in both stations.
    EXPECT_DOUBLE_EQ(a.overall, 40.0);
    ASSERT_EQ(a.species.size(), 1u);
    const SimperSpecies& s = a.species[0];
    EXPECT_EQ(s.species, 1);
    EXPECT_DOUBLE_EQ(s.mean_a, 1.5);
    EXPECT_TRUE(std::isnan(s.mean_b));
    EXPECT_DOUBLE_EQ(s.average, 40.0);
    EXPECT_TRUE(std::isnan(s.sd)) << "one pair has no spread";
    EXPECT_TRUE(std::isnan(s.ratio));
    EXPECT_DOUBLE_EQ(s.share, 100.0);
    EXPECT_DOUBLE_EQ(s.cumulative, 100.0);
}

TEST(ExplanationValues, BetweenClustersEverySpeciesColumnMatchesTheHandWorkedPairs) {
    const SimperTable t = similarity_percentages(three_stations(), 1)[1];
    EXPECT_EQ(t.kind, SimperKind::Between);
    EXPECT_EQ(t.cluster_b, 1);
    EXPECT_EQ(t.pairs, 2);
    // Pairs s1-s3 (total 7) and s2-s3 (total 6): 100 |x - y| / total.
    EXPECT_NEAR(t.overall, 1450.0 / 21.0, 1e-12);
    ASSERT_EQ(t.species.size(), 3u);
    EXPECT_EQ(t.species[0].species, 2);  // largest first
    EXPECT_EQ(t.species[1].species, 1);
    EXPECT_EQ(t.species[2].species, 3);
    struct Expected {
        std::int32_t species;
        double mean_a, mean_b, average, sd, share, cumulative;
    };
    const double r2 = std::sqrt(2.0);
    for (const Expected& e : {
             Expected{2, 0.5, 3.0, 800.0 / 21, 200.0 / (21 * r2), 1600.0 / 29, 1600.0 / 29},
             Expected{1, 1.5, 0.0, 475.0 / 21, 250.0 / (21 * r2), 950.0 / 29, 2550.0 / 29},
             Expected{3, 0.5, 1.0, 175.0 / 21, 350.0 / (21 * r2), 350.0 / 29, 100.0},
         }) {
        const SimperSpecies& s = row_of_species(t, e.species);
        EXPECT_DOUBLE_EQ(s.mean_a, e.mean_a) << e.species;
        EXPECT_DOUBLE_EQ(s.mean_b, e.mean_b) << e.species;
        EXPECT_NEAR(s.average, e.average, 1e-12) << e.species;
        EXPECT_NEAR(s.sd, e.sd, 1e-12) << e.species;
        EXPECT_NEAR(s.ratio, e.average / e.sd, 1e-12) << e.species;
        EXPECT_NEAR(s.share, e.share, 1e-12) << e.species;
        EXPECT_NEAR(s.cumulative, e.cumulative, 1e-12) << e.species;
    }
    // Listed to 90%: species 2 (55%), 1 (88%) and 3, which crosses 90%.
    EXPECT_EQ(listed_species(t, 90.0), 3u);
    EXPECT_EQ(listed_species(t, 50.0), 1u);
    EXPECT_EQ(listed_species(t, 55.2), 2u);
}

TEST(ExplanationValues, IndicatorValuesOfEachSpeciesInEachCluster) {
    const std::vector<IndicatorSpecies> rows =
        indicator_values(three_stations(), {2999, 20240611, 2});
    ASSERT_EQ(rows.size(), 3u);
    struct Expected {
        double a_A, a_B, b_A, b_B;
        std::int32_t max_cluster;
    };
    const Expected expected[] = {
        {1.0, 0.0, 1.0, 0.0, 0},          // species 1: only in A, at both stations
        {1.0 / 7, 6.0 / 7, 0.5, 1.0, 1},  // means 0.5 and 3
        {1.0 / 3, 2.0 / 3, 0.5, 1.0, 1},  // means 0.5 and 1
    };
    for (std::size_t k = 0; k < 3; ++k) {
        const IndicatorSpecies& r = rows[k];
        const Expected& e = expected[k];
        EXPECT_EQ(r.species, static_cast<std::int32_t>(k + 1));
        EXPECT_NEAR(r.specificity[0], e.a_A, 1e-15) << k;
        EXPECT_NEAR(r.specificity[1], e.a_B, 1e-15) << k;
        EXPECT_DOUBLE_EQ(r.fidelity[0], e.b_A) << k;
        EXPECT_DOUBLE_EQ(r.fidelity[1], e.b_B) << k;
        EXPECT_NEAR(r.indval[0], 100 * e.a_A * e.b_A, 1e-12) << k;
        EXPECT_NEAR(r.indval[1], 100 * e.a_B * e.b_B, 1e-12) << k;
        EXPECT_EQ(r.max_cluster, e.max_cluster) << k;
    }
    // Three stations in clusters of 2 and 1 can be arranged 3 ways; for
    // species 1 only the observed one reaches IndVal 100, so P is 1/3 (the
    // Monte-Carlo error of 3,000 draws is under 0.01). Species 2's 600/7 is
    // reached when station 3 is alone, and passed when station 1 is (the
    // other two then hold all of it, at both: 100), so P is 2/3.
    EXPECT_NEAR(rows[0].p, 1.0 / 3, 0.03);
    EXPECT_NEAR(rows[1].p, 2.0 / 3, 0.03);
}

TEST(ExplanationValues, TheCsvFilesHoldTheListedRowsWithEmptyFieldsForMissingValues) {
    const ClusterStations cs = three_stations();
    RunContext ctx;
    ctx.SpeciesLabel = {"", "Chir", "Olig, juv.", "Pisi"};
    ClusterExplanation e;
    e.clusters = cs.clusters;
    e.simper_cut = 60;  // between A and B: Olig (55%) and Chir, which passes 60%
    e.simper = similarity_percentages(cs, 1);
    e.indicators = indicator_values(cs, {0, 1, 1});  // no permutations: no P

    const std::string simper = simper_csv(ctx, e);
    EXPECT_EQ(simper.substr(0, simper.find("between")),
              "kind,cluster_a,cluster_b,species,mean_a,mean_b,average,sd,ratio,share,cumulative\r\n"
              "within,A,,Chir,1.5,,40,,,100,100\r\n");
    EXPECT_NE(simper.find("\r\nbetween,A,B,\"Olig, juv.\",0.5,3,"), std::string::npos);
    EXPECT_NE(simper.find("\r\nbetween,A,B,Chir,1.5,0,"), std::string::npos);
    EXPECT_EQ(std::count(simper.begin(), simper.end(), '\n'), 4);

    EXPECT_EQ(indicators_csv(ctx, e),
              "species,cluster,specificity,fidelity,indval,p,indval_A,indval_B\r\n"
              "Chir,A,1,1,100,,100,0\r\n"
              "\"Olig, juv.\",B," +
                  shortest_text(6.0 / 7) + ",1," + shortest_text(100 * (6.0 / 7)) + ",," +
                  shortest_text(100 * (1.0 / 7) * 0.5) + "," + shortest_text(100 * (6.0 / 7)) +
                  "\r\n"
                  "Pisi,B," +
                  shortest_text(2.0 / 3) + ",1," + shortest_text(100 * (2.0 / 3)) + ",," +
                  shortest_text(100 * (1.0 / 3) * 0.5) + "," + shortest_text(100 * (2.0 / 3)) +
                  "\r\n");
}

TEST(ExplanationValues, EmptyStationsAndAbsentSpeciesHaveNoValuesRatherThanFalseOnes) {
    // Stations 1 and 2 are both empty; species 3 is nowhere.
    const ClusterStations cs =
        stations_of({{0, 0, 0}, {0, 0, 0}, {4, 1, 0}, {2, 2, 0}}, {0, 0, 1, 1});
    const std::vector<SimperTable> tables = similarity_percentages(cs, 1);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0].pairs, 0);
    EXPECT_EQ(tables[0].empty_pairs, 1);
    EXPECT_TRUE(tables[0].species.empty());
    EXPECT_EQ(tables[2].pairs, 4);  // every pair across has one station with individuals
    for (const SimperSpecies& s : tables[2].species) EXPECT_NE(s.species, 3);

    const std::vector<IndicatorSpecies> rows = indicator_values(cs, {99, 7, 1});
    EXPECT_EQ(rows[2].max_cluster, -1);
    EXPECT_TRUE(std::isnan(rows[2].p));
    EXPECT_DOUBLE_EQ(rows[2].indval[0] + rows[2].indval[1], 0.0);
}

TEST(ExplanationValues, TheThreadCountChangesNoNumber) {
    const ClusterStations cs = drawn_stations({7, 4, 9, 2, 5}, 23, 5);
    const std::vector<SimperTable> one = similarity_percentages(cs, 1);
    const std::vector<IndicatorSpecies> p_one = indicator_values(cs, {499, 99, 1});
    for (unsigned threads : {2u, 3u, 8u}) {
        const std::vector<SimperTable> many = similarity_percentages(cs, threads);
        ASSERT_EQ(many.size(), one.size());
        for (std::size_t t = 0; t < one.size(); ++t) {
            ASSERT_EQ(many[t].species.size(), one[t].species.size());
            for (std::size_t r = 0; r < one[t].species.size(); ++r) {
                EXPECT_EQ(many[t].species[r].species, one[t].species[r].species);
                EXPECT_EQ(many[t].species[r].average, one[t].species[r].average);
                const double sd = one[t].species[r].sd;
                EXPECT_TRUE(many[t].species[r].sd == sd ||
                            (std::isnan(sd) && std::isnan(many[t].species[r].sd)));
            }
        }
        const std::vector<IndicatorSpecies> p_many = indicator_values(cs, {499, 99, threads});
        for (std::size_t k = 0; k < p_one.size(); ++k)
            EXPECT_EQ(p_many[k].p, p_one[k].p) << "species " << k + 1 << ", " << threads;
    }
    // Another seed draws other permutations: P moves, within its error.
    const std::vector<IndicatorSpecies> other = indicator_values(cs, {499, 100, 2});
    bool moved = false;
    for (std::size_t k = 0; k < p_one.size(); ++k) {
        moved = moved || other[k].p != p_one[k].p;
        const double p = p_one[k].p;
        EXPECT_NEAR(other[k].p, p, 5 * std::sqrt(p * (1 - p) / 499) + 0.01) << k;
    }
    EXPECT_TRUE(moved);
}

}  // namespace
}  // namespace tw::test
