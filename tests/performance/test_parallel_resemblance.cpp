// The observed run computes the rows of its resemblance matrix on every
// core. Nothing a user sees may depend on that: the matrix is the same bit
// for bit and the message area shows the same text, in the same order, as
// on one thread, for every measure, with NaN, infinite values and empty
// objects among the data.

#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "resemblance/measure.h"
#include "resemblance/measure_input.h"
#include "resemblance/resemblance.h"
#include "resemblance/row_threads.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

// Counts with many repeats and zeros, a few awkward values, and two empty
// objects (so that Bray-Curtis meets pairs with nothing at all).
Matrix<float> awkward_objects(std::int32_t n, std::int16_t species, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> count(0, 6);
    Matrix<float> x(n, species);
    for (std::int32_t j = 1; j <= n; ++j)
        for (std::int16_t s = 1; s <= species; ++s) x(j, s) = static_cast<float>(count(rng));
    for (std::int16_t s = 1; s <= species; ++s) x(4, s) = x(n - 1, s) = 0.0f;
    x(2, 1) = std::numeric_limits<float>::quiet_NaN();
    x(5, species) = std::numeric_limits<float>::infinity();
    x(7, 1) = -std::numeric_limits<float>::infinity();
    return x;
}

struct Observed {
    std::vector<std::uint32_t> upper;  // the upper triangle, row by row, as bits
    std::string messages;              // every message-area write and clear
    std::int16_t retries = 0;
};

Observed observe(const Matrix<float>& x, std::int16_t measure, unsigned threads) {
    RunContext ctx;
    ctx.MeasureIndex = Measure{measure};
    ctx.NumVars = static_cast<std::int16_t>(x.last_col());
    ctx.ResampleRetries = 7;
    ctx.settings.resemblance_threads = threads;
    ctx.settings.resemblance_thread_min_objects = 16;
    test::ScriptedHost host;
    host.answers.assign(50, Answer::Yes);  // the heterogeneity ratio's poor-fit question
    Workspace w;
    MeasureArrays arrays;
    EXPECT_EQ(compute_resemblance(ctx, host, w, arrays, x, x.last_row(), RunMode::Observed),
              RoutineExit::Normal);
    Observed seen;
    for (std::int32_t j = 1; j < x.last_row(); ++j)
        for (std::int32_t k = j + 1; k <= x.last_row(); ++k)
            seen.upper.push_back(std::bit_cast<std::uint32_t>(w.SimMatrix(j, k)));
    seen.messages = host.message_area.history;
    seen.retries = ctx.ResampleRetries;
    return seen;
}

TEST(ParallelResemblance, EveryMeasureGivesTheSameMatrixAndMessagesOnAnyNumberOfThreads) {
    for (std::int16_t measure = 1; measure <= 8; ++measure) {
        for (const std::int32_t n : {16, 17, 33, 97}) {
            const Matrix<float> x = awkward_objects(n, 9, static_cast<unsigned>(n + measure));
            const Observed one = observe(x, measure, 1);
            for (const unsigned threads : {2u, 3u, 8u}) {
                const Observed many = observe(x, measure, threads);
                EXPECT_EQ(many.upper, one.upper)
                    << "measure " << measure << ", n " << n << ", threads " << threads;
                EXPECT_EQ(many.messages, one.messages)
                    << "measure " << measure << ", n " << n << ", threads " << threads;
                EXPECT_EQ(many.retries, one.retries) << "measure " << measure;
            }
        }
    }
}

TEST(ParallelResemblance, MessagesMatchTheOnePairAtATimeMarks) {
    // Row 20 of 60 objects has pairs whose product is a multiple of 20 and 50
    // at irregular places: the marks written in runs must clear where a mark
    // at a time clears.
    for (const std::int64_t every : {20, 50}) {
        test::RecordingTarget runs_area, single_area;
        Printer runs(&runs_area), single(&single_area);
        for (std::int32_t j = 1; j < 60; ++j) {
            row_progress_marks(runs, j, j + 1, 60, every, 'E');
            for (std::int32_t k = j + 1; k <= 60; ++k)
                progress_mark(single, std::int64_t{j} * k, every, "E");
            ASSERT_EQ(runs.column(), single.column()) << "row " << j;
        }
        EXPECT_EQ(runs_area.history, single_area.history);
    }
}

TEST(ParallelResemblance, ThreadsAreUsedOnlyForLargeObservedRuns) {
    EXPECT_EQ(resemblance_threads(4, 399, 400), 1u);
    EXPECT_EQ(resemblance_threads(4, 400, 400), 4u);
    EXPECT_GE(resemblance_threads(0, 10000, 400), 1u);
}

TEST(ParallelResemblance, AnExitDuringTheRowsStopsTheWorkersAndReachesTheCaller) {
    // The window host ends the program by throwing from a yield; the workers
    // must be stopped and joined before that leaves the stage.
    struct EndingHost : test::ScriptedHost {
        void process_events() override {
            if (++yields == 3) throw std::runtime_error("end of the program");
        }
    } host;
    std::atomic<std::int32_t> rows_done{0};
    EXPECT_THROW(each_row_on_threads(host, 2000, 4, 1,
                                     [&](std::int32_t) {
                                         std::this_thread::sleep_for(std::chrono::microseconds(50));
                                         ++rows_done;
                                     }),
                 std::runtime_error);
    EXPECT_LT(rows_done.load(), 1999);
}

TEST(ParallelResemblance, AFaultInAWorkerIsReportedOnTheCallingThread) {
    test::ScriptedHost host;
    EXPECT_THROW(each_row_on_threads(host, 500, 3, 1,
                                     [](std::int32_t j) {
                                         if (j == 250) throw std::bad_alloc();
                                     }),
                 std::bad_alloc);
}

}  // namespace
}  // namespace tw
