// The explanation in whole runs: after either test, on the stations of
// replicate groups or on single stations, in the report only when asked and
// in the export whenever the run has one.

#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "e2e/e2e_fixture.h"
#include "explain/explain_clusters.h"
#include "export/export_results.h"

namespace tw::test {
namespace {

// The lake example: twelve stations, four replicate groups of three; "0"
// as the group line makes every station its own group.
std::string lake_file(const std::string& group_lines) {
    std::string text = bytes_of(example_path("lake_stations.txt"));
    if (group_lines.empty()) return write_input_file("lake.txt", text);
    const std::size_t groups_at = text.rfind("4\r\n3 3 3 3");
    EXPECT_NE(groups_at, std::string::npos);
    return write_input_file("lake.txt", text.substr(0, groups_at) + group_lines);
}

struct ExplainedRun : Session {
    ExplainedRun(TestMethod method, const std::string& group_lines, bool explain,
                 Measure measure = Measure::Euclidean)
        : Session(lake_file(group_lines)) {
        ctx.settings.measure = measure;  // the explanation uses Bray-Curtis whatever it is
        ctx.settings.test_method = method;
        ctx.settings.boot_text = "40";
        ctx.settings.permutations_text = "300";
        ctx.settings.explain_clusters = explain;
        ctx.settings.indicator_permutations = 199;
        ctx.settings.bootstrap_threads = 2;
    }
    Outcome tested() {
        const Outcome o = observed();
        return o == Outcome::Completed ? test_and_explain(ctx, host) : o;
    }
    // "STATION" -> identifier, from the report's station list.
    std::map<std::string, std::string> listed_identifiers() {
        std::map<std::string, std::string> ids;
        for (const std::string& line : crlf_lines(report()))
            if (line.size() > 14 && line[0] == '"')
                ids[line.substr(1, line.find('"', 1) - 1)] = line.substr(14);
        return ids;
    }
};

struct Case {
    const char* name;
    TestMethod method;
    const char* groups;  // "" keeps the example's four groups of three
    Measure measure;
    const char* measure_prose;
    std::size_t clusters;  // as the test finds them
};

// Four group means are too few for a profile to separate: one cluster.
const Case kCases[] = {
    {"bootstrap of replicate groups", TestMethod::Bootstrap, "", Measure::Euclidean,
     "Euclidean distance", 4},
    {"profiles of replicate groups", TestMethod::Simprof, "", Measure::Euclidean,
     "Euclidean distance", 1},
    {"profiles of single stations", TestMethod::Simprof, "0\r\n", Measure::BrayCurtis,
     "Bray-Curtis coefficient", 4},
};

TEST(ExplainedRuns, TheReportGainsItsSectionOnlyWhenAskedAndNothingElseChanges) {
    for (const Case& c : kCases) {
        ExplainedRun plain(c.method, c.groups, false, c.measure);
        ExplainedRun asked(c.method, c.groups, true, c.measure);
        ASSERT_EQ(plain.tested(), Outcome::Completed) << c.name;
        ASSERT_EQ(asked.tested(), Outcome::Completed) << c.name;
        EXPECT_FALSE(plain.ctx.Explanation) << c.name;
        ASSERT_TRUE(asked.ctx.Explanation) << c.name;
        plain.finish();
        asked.finish();
        const std::string before = plain.report();
        const std::string after = asked.report();
        ASSERT_GT(after.size(), before.size()) << c.name;
        EXPECT_EQ(after.substr(0, before.size()), before) << c.name;
        const std::string section = after.substr(before.size());
        EXPECT_EQ(section.rfind(std::string("\r\n\r\nWhat makes each cluster\r\n"
                                            "Similarity percentages (Clarke 1993) on Bray-Curtis "
                                            "whatever the run's measure (this run: ") +
                                    c.measure_prose + ")\r\n",
                                0),
                  0u)
            << c.name << section;
        EXPECT_NE(section.find("Indicator values (Dufrene & Legendre 1997): 199 permutations"),
                  std::string::npos)
            << c.name;
        EXPECT_EQ(plain.cluster_list(), asked.cluster_list()) << c.name;
    }
}

TEST(ExplainedRuns, EachClusterHoldsTheStationsTheReportListsUnderItsIdentifier) {
    for (const Case& c : kCases) {
        ExplainedRun run(c.method, c.groups, false, c.measure);
        ASSERT_EQ(run.tested(), Outcome::Completed) << c.name;
        // Asked for afterwards, as the results window asks.
        const ClusterExplanation& e = explanation_of(run.ctx);
        run.finish();
        const std::map<std::string, std::string> listed = run.listed_identifiers();
        ASSERT_EQ(listed.size(), 12u) << c.name;
        std::map<std::string, std::int32_t> per_identifier;
        for (const auto& [station, id] : listed) ++per_identifier[id];
        ASSERT_EQ(e.clusters.size(), per_identifier.size()) << c.name;
        for (std::size_t k = 0; k < e.clusters.size(); ++k)
            EXPECT_EQ(e.stations[k], per_identifier[e.clusters[k]]) << c.name << " " << k;
        // Four communities of three stations, each separated: every species
        // indicates one of them; one cluster is all there is to indicate.
        EXPECT_EQ(e.clusters.size(), c.clusters) << c.name;
        const std::size_t pairs = c.clusters * (c.clusters - 1) / 2;
        EXPECT_EQ(e.simper.size(), c.clusters + pairs) << c.name;
        for (const IndicatorSpecies& s : e.indicators) {
            EXPECT_GE(s.max_cluster, 0) << c.name;
            // With one cluster every reassignment is the observed one.
            if (c.clusters == 1) {
                EXPECT_EQ(s.p, 1.0) << c.name << " species " << s.species;
            } else {
                EXPECT_LT(s.p, 0.05) << c.name << " species " << s.species;
            }
        }
    }
}

TEST(ExplainedRuns, TheExportAddsBothTablesOnlyForAnExplainedRun) {
    const auto made = std::chrono::system_clock::time_point{};
    ExplainedRun run(TestMethod::Bootstrap, "", false);
    ASSERT_EQ(run.tested(), Outcome::Completed);
    EXPECT_EQ(export_files(run.ctx, "x", made).size(), 5u);
    explanation_of(run.ctx);
    const std::vector<ExportFile> files = export_files(run.ctx, "x", made);
    ASSERT_EQ(files.size(), 7u);
    EXPECT_EQ(files[5].path, "x.simper.csv");
    EXPECT_EQ(files[5].bytes.rfind("kind,cluster_a,cluster_b,species,mean_a,mean_b,average,sd,"
                                   "ratio,share,cumulative\r\nwithin,A,,",
                                   0),
              0u);
    EXPECT_NE(files[5].bytes.find("\r\nbetween,A,B,"), std::string::npos);
    EXPECT_EQ(files[6].path, "x.indicators.csv");
    EXPECT_EQ(files[6].bytes.rfind("species,cluster,specificity,fidelity,indval,p,indval_A,"
                                   "indval_B,indval_C,indval_D\r\nChir,A,",
                                   0),
              0u);
    EXPECT_NE(files[4].bytes.find("\"cluster_explanation\": {\n    \"measure\": \"Bray-Curtis\",\n"
                                  "    \"simper_cut\": 90,\n    \"indicator_permutations\": 199,\n"
                                  "    \"seed\": 20240611\n"),
              std::string::npos)
        << files[4].bytes;
    EXPECT_EQ(export_prefix("x.indicators.csv"), "x");
    EXPECT_EQ(export_prefix("x.simper.csv"), "x");
}

TEST(ExplainedRuns, ANegativeAbundanceIsNamedAndTheTestStands) {
    std::string text = bytes_of(example_path("lake_stations.txt"));
    const std::size_t at = text.find("\"L1a\" 34");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 8, "\"L1a\" -3");
    ExplainedRun run(TestMethod::Bootstrap, "", true);
    run.ctx.settings.input_file = write_input_file("negative.txt", text);
    run.host.answer(Answer::Yes).answer(Answer::Ok);
    ASSERT_EQ(run.tested(), Outcome::Completed);
    EXPECT_FALSE(run.ctx.Explanation);
    ASSERT_FALSE(run.host.questions.empty());
    EXPECT_EQ(run.host.questions.back().title, "Cluster Explanation");
    EXPECT_NE(run.host.questions.back().text.find("\"L1a\" has -3 for species \"Chir\""),
              std::string::npos);
    run.finish();
    EXPECT_NE(run.report().find("What makes each cluster\r\nNot worked out: Station \"L1a\""),
              std::string::npos);
}

}  // namespace
}  // namespace tw::test
