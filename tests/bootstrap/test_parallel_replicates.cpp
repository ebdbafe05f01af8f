// Replicates spread over threads: a seed gives the same test, printed notes
// and questions included, whatever the number of threads.

#include <gtest/gtest.h>

#include <set>

#include "bootstrap/captured_output.h"
#include "bootstrap/replicate_attempts.h"
#include "bootstrap/replicate_streams.h"
#include "bootstrap/test_linkages.h"
#include "bootstrap/test_loop.h"
#include "bootstrap_fixture.h"
#include "resemblance/measure.h"

namespace tw::test {
namespace {

constexpr unsigned kThreadCounts[] = {1, 2, 4};

void station_values(BootstrapRun& r, std::int32_t station, const std::vector<float>& values) {
    for (std::size_t j = 0; j < values.size(); ++j)
        r.ctx.DataMatrix(station, static_cast<std::int32_t>(j + 1)) = values[j];
}

// Everything a test leaves behind that the user sees or the results read.
struct TestRecord {
    std::vector<float> link_stat;
    std::vector<std::string> sig;
    std::vector<Redrawn> redrawn;
    std::int16_t retries = 0;
    std::string messages, link_table, siglist;
    bool operator==(const TestRecord&) const = default;
};

TestRecord record(const BootstrapRun& r) {
    return {r.ctx.LinkStat,
            r.ctx.SIG,
            r.ctx.LinkRedrawn,
            r.ctx.ResampleRetries,
            r.host.message_area.history,
            r.host.link_area.history,
            r.siglist()};
}

// Four groups of three stations, each station a little different.
void varied_stations(BootstrapRun& r) {
    r.group_values(1, {4, 1, 0});
    r.group_values(2, {3, 2, 1});
    r.group_values(3, {0, 5, 2});
    r.group_values(4, {1, 1, 6});
    for (std::int32_t s = 1; s <= r.ctx.NumRows; ++s)
        r.ctx.DataMatrix(s, 1 + s % 3) += static_cast<float>(s % 4);
}

// Groups 1 and 2 hold only empty stations, group 3 two live ones: under
// Bray-Curtis linkage 1 is given up after 100 exits, and linkage 2 sees
// exits both at its first pair and after pairs computed normally.
void empty_and_live_stations(BootstrapRun& r) {
    r.group_values(3, {2, 5, 1});
    r.link(1, 1, 2, {1, 2}, 1.0f);
    r.link(2, 1, 3, {1, 2, 3}, 0.0f);
}

TEST(ParallelReplicates, SameSeedGivesTheSameTestWhateverTheThreadCount) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> groups;
        std::int16_t measure;
        void (*prepare)(BootstrapRun&);
        bool observed;  // computed from the data, or laid out by prepare
    };
    const Case cases[] = {
        {"euclidean", {3, 3, 3, 3}, kEuclidean, varied_stations, true},
        {"bray-curtis", {3, 3, 3, 3}, kBrayCurtis, varied_stations, true},
        {"resample exits", {2, 2, 2}, kBrayCurtis, empty_and_live_stations, false},
    };
    for (const Case& c : cases) {
        std::vector<TestRecord> records;
        for (unsigned threads : kThreadCounts) {
            BootstrapRun r(c.groups, 3);
            r.ctx.NumBoot = 60;
            r.ctx.settings.bootstrap_threads = threads;
            r.ctx.settings.bootstrap_thread_min_work = 0;
            c.prepare(r);
            r.ctx.MeasureIndex = Measure{c.measure};
            r.ctx.LinkageIndex = kUpgma;
            if (c.observed) observe(r, c.measure);
            r.host.message_area.history.clear();
            r.host.link_area.history.clear();
            ASSERT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed) << c.name;
            records.push_back(record(r));
        }
        for (std::size_t t = 1; t < records.size(); ++t) {
            SCOPED_TRACE(std::string(c.name) + ", threads " + std::to_string(kThreadCounts[t]));
            EXPECT_EQ(records[t].link_stat, records[0].link_stat);
            EXPECT_EQ(records[t].sig, records[0].sig);
            EXPECT_EQ(records[t].redrawn, records[0].redrawn);
            EXPECT_EQ(records[t].retries, records[0].retries);
            EXPECT_EQ(records[t].siglist, records[0].siglist);
            EXPECT_TRUE(records[t].messages == records[0].messages) << "message area differs";
            EXPECT_TRUE(records[t].link_table == records[0].link_table) << "link table differs";
        }
        if (std::string(c.name) == "resample exits") {
            // The case does exercise both the give-up and the redraws.
            EXPECT_EQ(records[0].link_stat[1], -999.0f);
            EXPECT_EQ(records[0].redrawn[2], Redrawn::Yes);
            EXPECT_GE(records[0].link_stat[2], 0.0f);
        }
    }
}

TEST(ParallelReplicates, ADifferentSeedDrawsDifferently) {
    std::set<std::vector<float>> counts;
    for (std::uint64_t seed : {11u, 12u, 13u}) {
        BootstrapRun r({3, 3, 3, 3}, 3);
        varied_stations(r);
        r.ctx.NumBoot = 200;
        r.ctx.settings.random_seed = seed;
        r.ctx.settings.bootstrap_threads = 2;
        r.ctx.settings.bootstrap_thread_min_work = 0;
        observe(r, kEuclidean);
        ASSERT_EQ(test_linkages(r.ctx, r.host), Outcome::Completed);
        counts.insert(r.ctx.LinkStat);
    }
    EXPECT_GT(counts.size(), 1u);
}

// The time left first times every linkage from streams of its own, on
// copies of the run: the test then counts and prints what the same test
// does without that timing, on any number of threads.
TEST(ParallelReplicates, TimingTheLinkagesFirstChangesNothingOfTheTest) {
    auto prepared = [](BootstrapRun& r, unsigned threads) {
        varied_stations(r);
        r.ctx.NumBoot = 200;  // enough replicates to be worth timing first
        r.ctx.settings.bootstrap_threads = threads;
        r.ctx.settings.bootstrap_thread_min_work = 0;
        observe(r, kBrayCurtis);
        r.host.message_area.history.clear();
        r.host.link_area.history.clear();
    };
    for (unsigned threads : kThreadCounts) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        BootstrapRun timed({3, 3, 3, 3}, 3);
        prepared(timed, threads);
        ASSERT_EQ(test_linkages(timed.ctx, timed.host), Outcome::Completed);
        BootstrapRun untimed({3, 3, 3, 3}, 3);
        prepared(untimed, threads);
        prepare_link_records(untimed.ctx);
        SequentialAttempts attempts(untimed.ctx, untimed.host, timed.ctx.Results.seed.value_or(0));
        ASSERT_FALSE(
            run_test_loop(untimed.ctx, untimed.host, read_test_settings(untimed.ctx), attempts)
                .stopped);
        EXPECT_EQ(timed.ctx.LinkStat, untimed.ctx.LinkStat);
        EXPECT_EQ(timed.ctx.LinkRedrawn, untimed.ctx.LinkRedrawn);
        EXPECT_EQ(timed.ctx.ResampleRetries, untimed.ctx.ResampleRetries);
    }
}

// Notes where in the message area each question came up.
class PlacedQuestions : public ScriptedHost {
  public:
    Answer ask(std::string_view title, std::string_view text, Buttons buttons) override {
        asked_at.push_back(message_area.history.size());
        return ScriptedHost::ask(title, text, buttons);
    }
    std::vector<std::size_t> asked_at;
};

// Every group holds one station whose species all have abundance 1 and one
// rich station: the averages fit the log-series, but a replicate that puts
// the poor stations together in two groups does not.
void poor_fit_data(BootstrapRun& r, unsigned threads) {
    for (std::int32_t g = 0; g < 3; ++g) {
        station_values(r, 2 * g + 1, {1, 1, 1, 1});
        station_values(r, 2 * g + 2, {20, 8.0f + static_cast<float>(g), 4, 12});
    }
    r.ctx.NumBoot = 80;
    r.ctx.settings.bootstrap_threads = threads;
    r.ctx.settings.bootstrap_thread_min_work = 0;
    observe(r, kHeterogeneityRatio);
}

TEST(ParallelReplicates, PoorFitIsAskedOnceAtTheSameReplicateWhateverTheThreadCount) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        std::vector<TestRecord> records;
        std::vector<std::vector<std::size_t>> places;
        for (unsigned threads : kThreadCounts) {
            SCOPED_TRACE("threads " + std::to_string(threads));
            BootstrapRun r({2, 2, 2}, 4);
            poor_fit_data(r, threads);
            PlacedQuestions host;
            host.answer(answer);
            const Outcome outcome = test_linkages(r.ctx, host);
            EXPECT_EQ(outcome, answer == Answer::Yes ? Outcome::Completed : Outcome::Abandoned);
            ASSERT_FALSE(host.questions.empty());
            EXPECT_EQ(host.questions[0].title,
                      "Poor Fit to Log-series Warning Do you want to continue?");
            // After Yes no poor fit is asked about again; after No only the
            // notice of the abandoned test follows.
            EXPECT_EQ(host.questions.size(), answer == Answer::Yes ? 1u : 2u);
            r.host.message_area.history = host.message_area.history;
            r.host.link_area.history = host.link_area.history;
            records.push_back(record(r));
            places.push_back(host.asked_at);
        }
        for (std::size_t t = 1; t < records.size(); ++t) {
            EXPECT_EQ(places[t], places[0]) << "threads " << kThreadCounts[t];
            EXPECT_TRUE(records[t] == records[0]) << "threads " << kThreadCounts[t];
        }
    }
}

TEST(ReplicateStreams, EveryAttemptOfEveryReplicateHasItsOwnSeed) {
    std::set<std::uint64_t> seeds;
    std::size_t ids = 0;
    for (std::int32_t link = 1; link <= 40; ++link)
        for (std::int32_t b = 1; b <= 250; ++b)
            for (std::int32_t attempt = 1; attempt <= 3; ++attempt, ++ids)
                seeds.insert(replicate_seed(99, ReplicateId{link, b, attempt}));
    EXPECT_EQ(seeds.size(), ids);
    EXPECT_NE(replicate_seed(1, {1, 2, 1}), replicate_seed(2, {1, 2, 1}));
}

TEST(CapturedOutput, PiecesReplayApartExactlyAsPrinted) {
    CapturedOutput captured;
    Printer into(&captured);
    into.text("..").text(".");
    const std::size_t first = captured.close_piece();
    into.text("x").end();
    into.clear();
    into.text("Resampling").end();
    const std::size_t second = captured.close_piece();

    RecordingTarget shown;
    Printer out(&shown);
    out.text(" 1 ").end();
    captured.replay(out, 0, first);
    out.text("|");
    captured.replay(out, first, second);
    EXPECT_EQ(shown.history, " 1 \r\n...|x\r\n<CLEAR>\nResampling\r\n");
    EXPECT_EQ(out.column(), 1);
}

}  // namespace
}  // namespace tw::test
