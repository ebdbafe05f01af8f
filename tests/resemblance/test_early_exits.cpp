// The two ways the resemblance stage leaves before clustering: the resample
// exit of a bootstrap replicate (Bray-Curtis, two empty objects) and the
// abandon exit of the heterogeneity ratio (poor fit answered "No").

#include <gtest/gtest.h>

#include <cmath>

#include "cluster/routine.h"
#include "resemblance/heterogeneity_ratio.h"
#include "resemblance/measure.h"
#include "resemblance_fixture.h"

namespace tw {
namespace {

using test::ResemblanceRun;
using test::Rows;

constexpr std::int16_t kBrayCurtis = 2;
constexpr std::int16_t kHR = 4;
constexpr const char* kPoorFitTitle = "Poor Fit to Log-series Warning Do you want to continue?";

TEST(BrayCurtisZeroPair, TheObservedRunStoresOneAndSaysSoOnItsOwnLine) {
    ResemblanceRun r;
    r.ctx.ResampleRetries = 3;
    EXPECT_EQ(r.run(kBrayCurtis, {{1, 1}, {0, 0}, {0, 0}}), RoutineExit::Normal);
    EXPECT_EQ(r.at(2, 3), 1.0f);
    EXPECT_EQ(r.at(1, 2), 0.0f);
    EXPECT_NE(r.messages().find("\r\nAll abundances 0 -- similarity set to 1\r\n"),
              std::string::npos)
        << r.messages();
    EXPECT_EQ(r.ctx.ResampleRetries, 0);  // reset by the pairs it did compute
}

struct ResampleCase {
    const char* what;
    Rows rows;
    std::int16_t retries_before, retries_after;
    int pairs_before;  // pairs computed before the empty one, in pair order
};

const ResampleCase kResampleCases[] = {
    // The first pair is the empty one: nothing computed, the count goes on.
    {"first pair", {{0, 0}, {0, 0}, {2, 1}}, 5, 6, 0},
    // (1,2) (1,3) (1,4) (2,3) (2,4) computed, reset the count, then (3,4) stops it.
    {"last pair", {{1, 2}, {2, 1}, {0, 0}, {0, 0}}, 5, 1, 5},
};

TEST(BrayCurtisZeroPair, AReplicateStopsAtThePairAndAsksToBeDrawnAgain) {
    for (const ResampleCase& c : kResampleCases) {
        ResemblanceRun r;
        r.ctx.ResampleRetries = c.retries_before;
        EXPECT_EQ(r.run(kBrayCurtis, c.rows, RunMode::Replicate), RoutineExit::Resample) << c.what;
        EXPECT_EQ(r.ctx.ResampleRetries, c.retries_after) << c.what;
        EXPECT_EQ(r.host.message_area.shown, "Resampling to avoid DIVIDE-BY-ZERO error\r\n");
        // Two species steps for each pair visited, the empty one included.
        EXPECT_EQ(r.host.yields, 2 * (c.pairs_before + 1)) << c.what;
    }
}

TEST(BrayCurtisZeroPair, AResampledReplicateProducesNoLinkages) {
    ResemblanceRun r;
    r.ctx.MeasureIndex = Measure{kBrayCurtis};
    r.ctx.NumVars = 2;
    const Matrix<float> x = test::objects({{0, 0}, {0, 0}, {1, 1}});
    MemberLists members;
    std::vector<std::int32_t> sizes(3, 0);
    std::vector<float> levels(3, -7.0f);
    const std::vector<std::string> labels(4, "S");
    EXPECT_EQ(resemble_and_cluster(r.ctx, r.host, r.w, r.arrays, x, 3, RunMode::Replicate,
                                   LinkArrays{members, sizes, levels}, labels),
              RoutineExit::Resample);
    EXPECT_EQ(levels, std::vector<float>(3, -7.0f));
    EXPECT_EQ(sizes, std::vector<std::int32_t>(3, 0));
}

// Every present species has abundance 1, so the totals equal the species
// counts and no pair can be fitted with a log-series (G = Sbar).
const Rows kPoorFit = {{1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
const Rows kGoodFit = {{40, 3, 0}, {0, 12, 9}, {5, 0, 30}};

TEST(PoorFit, AskedOnceWithItsOwnTitleAndYesAdjustsEveryPoorPair) {
    ResemblanceRun r;
    r.host.answer(Answer::Yes);
    EXPECT_EQ(r.run(kHR, kPoorFit), RoutineExit::Normal);
    ASSERT_EQ(r.host.questions.size(), 1u);
    EXPECT_EQ(r.host.questions[0].title, kPoorFitTitle);
    EXPECT_EQ(r.host.questions[0].text, poor_fit_message(1, 2));
    EXPECT_EQ(r.host.questions[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(r.ctx.PoorFitWarned);
    // Pair (1,2): N = 2 each, S = 2 each, G raised to Sbar + 1 = 3, pooled
    // N = 4 and 3 species in either object.
    double lo = 1e-6, hi = 1e6;
    for (int i = 0; i < 200; ++i) {
        const double mid = std::sqrt(lo * hi);
        (mid * std::log(1 + 3 / mid) < 2 ? lo : hi) = mid;
    }
    const double expected = 3 / (lo * std::log(1 + 4 / lo));
    for (auto [j, k] : {std::pair{1, 2}, {1, 3}, {2, 3}}) EXPECT_NEAR(r.at(j, k), expected, 1e-4);
}

TEST(PoorFit, ThePromptNamesBothGroupsAsPlainNumbers) {
    const std::string prompt = poor_fit_message(3, 12);
    EXPECT_EQ(prompt.rfind("Replicate group 3 or 12 (or both) fit the log-series poorly (based on "
                           "averages of the samples within). If you continue values will be "
                           "adjusted slightly to avoid a zero-divide error and this message will "
                           "not be repeated for additional warnings, otherwise you may re-run "
                           "these data applying a multiplicative factor to increase abundances "
                           "such that all values are > or = 1.0.",
                           0),
              0u);
}

TEST(PoorFit, NoClosesEveryOpenFileAndSkipsTheRestOfTheRoutine) {
    for (RunMode mode : {RunMode::Observed, RunMode::Replicate}) {
        ResemblanceRun r;
        r.ctx.channels.open(r.host, Channels::kReport, "report.txt", OpenMode::Write)
            .text("header");
        r.ctx.channels.open_next(r.host, "CLUSTER.LST", OpenMode::Write);
        r.host.answer(Answer::No);
        // (1,2) fits, (1,3) does not.
        EXPECT_EQ(r.run(kHR, Rows{{40, 3, 0}, {0, 12, 9}, {0.01f, 0, 0.01f}}, mode),
                  RoutineExit::Abandoned);
        EXPECT_FALSE(r.ctx.channels.is_open(Channels::kReport)) << static_cast<int>(mode);
        EXPECT_FALSE(r.ctx.channels.is_open(3)) << static_cast<int>(mode);
        EXPECT_EQ(r.host.file("report.txt"), "header");
        EXPECT_GT(r.at(1, 2), 0.0f);
        EXPECT_EQ(r.at(1, 3), 0.0f);
        EXPECT_EQ(r.at(2, 3), 0.0f);
        EXPECT_EQ(r.host.questions.size(), 1u);
    }
}

TEST(PoorFit, AbandoningProducesNoLinkagesAndNoReport) {
    ResemblanceRun r;
    r.ctx.MeasureIndex = Measure{kHR};
    r.ctx.NumVars = 3;
    r.ctx.channels.open(r.host, Channels::kReport, "report.txt", OpenMode::Write);
    r.host.answer(Answer::No);
    const Matrix<float> x = test::objects(kPoorFit);
    MemberLists members;
    std::vector<std::int32_t> sizes(3, 0);
    std::vector<float> levels(3, -7.0f);
    const std::vector<std::string> labels(4, "S");
    EXPECT_EQ(resemble_and_cluster(r.ctx, r.host, r.w, r.arrays, x, 3, RunMode::Observed,
                                   LinkArrays{members, sizes, levels}, labels),
              RoutineExit::Abandoned);
    EXPECT_EQ(levels, std::vector<float>(3, -7.0f));
    EXPECT_EQ(r.host.file("report.txt"), "");
    EXPECT_EQ(r.host.file("CLUSTER.LST"), "");
    EXPECT_TRUE(r.host.canvas.lines.empty());
}

TEST(PoorFit, AYesCoversTheRunsReplicatesAndANewRunAsksAgain) {
    ResemblanceRun r;
    r.host.answer(Answer::Yes);
    r.run(kHR, kPoorFit);
    r.run(kHR, kPoorFit, RunMode::Replicate);
    r.run(kHR, kPoorFit, RunMode::Replicate);
    EXPECT_EQ(r.host.questions.size(), 1u);

    r.host.answer(Answer::Yes);
    r.run(kHR, kPoorFit);  // the next observed run
    EXPECT_EQ(r.host.questions.size(), 2u);
}

TEST(PoorFit, AReplicateAsksWhenTheObservedDataFittedAndNoAbandonsIt) {
    ResemblanceRun r;
    EXPECT_EQ(r.run(kHR, kGoodFit), RoutineExit::Normal);
    EXPECT_TRUE(r.host.questions.empty());
    r.host.answer(Answer::No);
    EXPECT_EQ(r.run(kHR, kPoorFit, RunMode::Replicate), RoutineExit::Abandoned);
    ASSERT_EQ(r.host.questions.size(), 1u);
    EXPECT_EQ(r.host.questions[0].title, kPoorFitTitle);
}

}  // namespace
}  // namespace tw
