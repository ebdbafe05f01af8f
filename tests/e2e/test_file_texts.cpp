// Files as other programs leave them, and the texts the program writes back:
// a spreadsheet's decimal commas, labels in the Windows code page, more
// clusters than there are letters, and a run stopped before its report is
// complete.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "e2e_fixture.h"
#include "run/code_page.h"
#include "run/entry_point.h"

namespace tw::test {
namespace {

TEST(SpreadsheetFiles, DecimalCommasStopTheRunBeforeAnythingIsWritten) {
    // Saved from a spreadsheet in a decimal-comma locale, check by-passed.
    Session s(write_input_file("commas.txt",
                               "\"Dune transect\"\r\n3 4\r\n\"Station\" \"a\" \"b\" \"c\" \"d\"\r\n"
                               "\"18\" 0,55 11,13 2,5 0\r\n\"19\" 1,2 0 3,75 4\r\n"
                               "\"20\" 0 0,5 1 2\r\n0\r\n"));
    EXPECT_EQ(s.observed(), Outcome::Failed);
    ASSERT_EQ(s.host.questions.size(), 1u);
    const std::string& text = s.host.questions[0].text;
    EXPECT_EQ(s.host.questions[0].title, "Data File Error");
    EXPECT_NE(text.find("Line 4 of the data file"), std::string::npos) << text;
    EXPECT_NE(text.find("decimal commas"), std::string::npos) << text;
    EXPECT_NE(text.find("holds 8 items, but a station label and 4 values"), std::string::npos)
        << text;
    EXPECT_FALSE(s.host.opened(kReportName));
    EXPECT_FALSE(s.host.opened("CLUSTER.LST"));
}

TEST(WindowsCodePage, LabelsKeepTheirLettersInEveryOutput) {
    // "Prés salé" and "Étang" as Windows-1252 bytes.
    Session s(write_input_file("cp1252.txt",
                               "\"Pr\xE9s sal\xE9 survey\"\r\n4 2\r\n\"Station\" \"Sp\" \"Sq\"\r\n"
                               "\"Pr\xE9s sal\xE9\" 1 2\r\n\"\xC9tang\" 5 1\r\n\"Dune\" 9 9\r\n"
                               "\"Bois\" 2 2\r\n0\r\n"));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    const std::string report = s.report();
    EXPECT_TRUE(is_valid_utf8(report));
    EXPECT_NE(report.find("Pr\xC3\xA9s sal\xC3\xA9 survey"), std::string::npos);
    EXPECT_NE(report.find("\"\xC3\x89tang\""), std::string::npos);
    EXPECT_TRUE(is_valid_utf8(s.cluster_list()));
    // The message area echoes the labels as they are read.
    EXPECT_NE(s.host.message_area.history.find("\xC3\x89tang"), std::string::npos);
    // The identifier after a nine-letter label still starts in column 15.
    EXPECT_NE(report.find("\r\n\"Pr\xC3\xA9s sal\xC3\xA9\"   "), std::string::npos);
}

// 150 well-separated communities of five identical replicate stations each:
// every pair of neighbours is significant, so each community is a cluster.
std::string many_communities(int groups) {
    std::ostringstream out;
    out << "\"Many communities\"\n" << groups * 5 << " 2\n\"Station\" \"a\" \"b\"\n";
    for (int g = 1; g <= groups; ++g)
        for (int r = 1; r <= 5; ++r) out << "\"G" << g << "R" << r << "\" " << g * g << " 1\n";
    out << groups << "\n";
    for (int g = 1; g <= groups; ++g) out << "5 ";
    out << "\n";
    return out.str();
}

TEST(ManyClusters, IdentifiersBeyondTheLettersAreDistinctUtf8Characters) {
    Session s(write_input_file("many.txt", many_communities(150)));
    ASSERT_EQ(s.whole_run(), Outcome::Completed);
    const std::string report = s.report();
    EXPECT_TRUE(is_valid_utf8(report));
    std::set<std::string> identifiers;
    for (std::int32_t p = 1; p <= s.ctx.NumGroups; ++p) identifiers.insert(s.ctx.Label(p, 2));
    EXPECT_EQ(identifiers.size(), 150u);
    for (const std::string& id : identifiers) {
        EXPECT_EQ(id.substr(0, 1), "B");
        EXPECT_TRUE(is_valid_utf8(id)) << id;
    }
    // Cluster 150 is the character 214 of the Windows code page, "Ö".
    EXPECT_EQ(identifiers.count("B\xC3\x96"), 1u);
}

// The last line of a report whose run ended before the report was complete.
std::string last_line(const std::string& text) {
    const std::vector<std::string> lines = crlf_lines(text);
    return lines.empty() ? std::string() : lines.back();
}

// A host whose user presses an exit button at the first pause point after
// `armed` is set, as the window host ends a stage at its next yield.
class ExitingHost : public ScriptedHost {
  public:
    bool armed = false;
    void process_events() override {
        ScriptedHost::process_events();
        if (armed) throw ProgramEnd{};
    }
};

TEST(StoppedReport, AnExitDuringTheBootstrapSaysWhereTheReportStops) {
    ExitingHost host;
    RunContext ctx;
    ctx.settings.input_file = example_path("lake_stations.txt");
    ctx.settings.output_mode = OutputMode::File;
    ctx.settings.output_file = kReportName;
    ctx.settings.bypass_check = true;
    ctx.settings.random_seed = 5;
    ctx.settings.bootstrap_threads = 1;
    ASSERT_EQ(run_analysis(ctx, host), Outcome::Completed);
    host.armed = true;
    EXPECT_EQ(test_linkages(ctx, host), Outcome::Ended);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(last_line(host.file(kReportName)),
              "*** RUN STOPPED while testing the linkages by bootstrap: this report is "
              "incomplete. ***");
}

TEST(StoppedReport, AnExitAtTheDendrogramSaysTheTestWasNotStarted) {
    Session s(example_path("lake_stations.txt"));
    ASSERT_EQ(s.observed(), Outcome::Completed);
    end_program(s.ctx, s.host);
    EXPECT_EQ(last_line(s.report()),
              "*** RUN STOPPED while waiting for the test of the linkages to be started: this "
              "report is incomplete. ***");
}

TEST(StoppedReport, AnExitAfterACompleteRunLeavesTheReportAsItWas) {
    Session s(example_path("lake_stations.txt"));
    ASSERT_EQ(s.observed(), Outcome::Completed);
    ASSERT_EQ(s.bootstrap(), Outcome::Completed);
    const std::string complete = s.report();
    end_program(s.ctx, s.host);
    EXPECT_EQ(s.report(), complete);
}

}  // namespace
}  // namespace tw::test
