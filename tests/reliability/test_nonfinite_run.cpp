// Whole runs, observed and bootstrap, on data files whose values become NaN
// or infinite on the way: a logarithm of a mean at or below -1, squares and
// sums beyond the range of single precision. The file cannot hold such
// values itself (the reader refuses them), so these are the ways a user can
// meet them. Every run must end with the report, CLUSTER.LST, SIGLIST.TXT,
// the dendrogram and the results grid written, and the data file untouched.

#include <gtest/gtest.h>

#include <cmath>

#include "cluster/linkage_method.h"
#include "reliability_fixture.h"

namespace tw {
namespace {

using test::bytes_of;

std::string file_of(const std::string& rows, int stations, const std::string& groups = "0") {
    return "\"Awkward values\"\r\n" + std::to_string(stations) +
           " 3\r\n\"STATION\",\"a\",\"b\",\"c\"\r\n" + rows + groups + "\r\n";
}

struct AwkwardData {
    const char* what;
    std::string contents;
    Measure measure;
    bool ln_transform;
    const char* constant = "";  // multiply by this when not empty
};

const std::string kFiveStations =
    "\"A\" 4 1 0\r\n\"B\" 3 2 1\r\n\"C\" 0 5 6\r\n\"D\" 1 6 5\r\n\"E\" 9 0 1\r\n";

const AwkwardData kCases[] = {
    {"ln(X+1) of a value below -1 gives NaN", file_of(kFiveStations + "\"F\" -2 1 3\r\n", 6),
     Measure::Euclidean, true},
    {"ln(X+1) of -1 gives -Inf", file_of(kFiveStations + "\"F\" -1 1 3\r\n", 6),
     Measure::BrayCurtis, true},
    {"NaN under correlation", file_of(kFiveStations + "\"F\" -3 0 2\r\n", 6), Measure::Correlation,
     true},
    {"squares beyond the range: Euclidean distance Inf",
     file_of(kFiveStations + "\"F\" 1E20 0 0\r\n", 6), Measure::Euclidean, false},
    {"sums beyond the range: Bray-Curtis Inf / Inf",
     file_of(kFiveStations + "\"F\" 3E38 3E38 3E38\r\n\"G\" 3E38 3E38 3E38\r\n", 7),
     Measure::BrayCurtis, false},
    {"means beyond the range: correlation", file_of(kFiveStations + "\"F\" 3E38 3E38 0\r\n", 6),
     Measure::Correlation, false},
    {"totals beyond the range: heterogeneity ratio",
     file_of(kFiveStations + "\"F\" 3E38 3E38 1\r\n", 6), Measure::HeterogeneityRatio, false},
    {"replicates whose sum is beyond the range",
     file_of(kFiveStations + "\"F\" 3E38 1 1\r\n\"G\" 3E38 1 1\r\n", 7, "6\r\n1 1 1 1 1 2"),
     Measure::Euclidean, false},
    {"a large constant that the values stand but their squares do not",
     file_of(kFiveStations + "\"F\" 2 0 1\r\n", 6), Measure::Euclidean, false, "1E19"},
};

TEST(NonFiniteRun, EveryMethodEndsTheRunAndTheBootstrapWithEveryOutputWritten) {
    for (const AwkwardData& c : kCases) {
        for (const LinkageTraits& method : linkage_table()) {
            SCOPED_TRACE(std::string(c.what) + ", " + method.option);
            test::WholeRun run(c.contents, c.measure, method.method);
            run.ctx.settings.transform_ln = c.ln_transform;
            run.ctx.settings.multiply = *c.constant != '\0';
            run.ctx.settings.constant_text = c.constant;
            ASSERT_EQ(run.observed(), Outcome::Completed);
            ASSERT_EQ(run.bootstrap(), Outcome::Completed);
            EXPECT_FALSE(run.host.ended);

            const std::int32_t n = run.ctx.NumGroups;
            EXPECT_NE(run.host.file("CLUSTER.LST"), "");
            EXPECT_NE(run.host.file("SIGLIST.TXT"), "");
            EXPECT_GE(run.host.results.rows, n);  // a heading row and a row per linkage
            // Every station sits in the last cluster exactly once.
            std::vector<int> seen(static_cast<std::size_t>(n) + 1, 0);
            const auto last = static_cast<std::size_t>(n - 1);
            ASSERT_EQ(run.ctx.LinkSize[last], n);
            std::vector<std::int32_t> members;
            ASSERT_EQ(run.ctx.LinkMembers.list(n - 1, members), n);
            for (std::int32_t m = 1; m <= n; ++m)
                ++seen.at(static_cast<std::size_t>(members[static_cast<std::size_t>(m)]));
            EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), 1), n);
            // The window can draw what it is given.
            ASSERT_FALSE(run.host.canvas.lines.empty());
            for (const auto& l : run.host.canvas.lines)
                ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                            std::isfinite(l.y2));
            for (const auto& t : run.host.canvas.texts)
                ASSERT_TRUE(std::isfinite(t.x) && std::isfinite(t.y)) << t.text;
            EXPECT_EQ(bytes_of(run.ctx.settings.input_file), c.contents);
            const std::string report = run.report();
            EXPECT_TRUE(report.find("NaN") != std::string::npos ||
                        report.find("Inf") != std::string::npos)
                << "the data never became non-finite";
        }
    }
}

TEST(NonFiniteRun, TheReportShowsTheUndefinedLevelsAsSuch) {
    test::WholeRun run(kCases[0].contents, Measure::Euclidean);
    run.ctx.settings.transform_ln = true;
    ASSERT_EQ(run.observed(), Outcome::Completed);
    EXPECT_NE(run.report().find("NaN"), std::string::npos);
}

}  // namespace
}  // namespace tw
