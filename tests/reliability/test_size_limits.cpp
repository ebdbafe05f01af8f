// Data at the largest sizes the reader accepts run through every stage, and
// one more station or species is refused before anything is written. Run
// under AddressSanitizer, these catch counters that wrap at the limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "bootstrap/replicate.h"
#include "reliability_fixture.h"
#include "resemblance/measure.h"
#include "run/input_file.h"

namespace tw {
namespace {

// A data file of `stations` x `species` values spread widely enough that
// the hierarchy is not a long chain of ties.
std::string sized_file(std::int32_t stations, std::int32_t species) {
    std::ostringstream out;
    out << "\"Limits\"\n" << stations << " " << species << "\n\"Station\"";
    for (std::int32_t j = 1; j <= species; ++j) out << " \"s" << j << "\"";
    out << "\n";
    std::uint32_t state = 12345;
    for (std::int32_t i = 1; i <= stations; ++i) {
        out << "\"st" << i << "\"";
        for (std::int32_t j = 1; j <= species; ++j) {
            state = state * 1664525u + 1013904223u;
            out << " " << (state >> 16) % 1000;
        }
        out << "\n";
    }
    out << "0\n";
    return out.str();
}

// One bootstrap replicate of the first linkage that holds the last object,
// so that the replicate draws the data's last row.
ReplicateResult replicate_with_last_object(test::WholeRun& run) {
    const std::int32_t last = run.ctx.NumGroups;
    std::int32_t link = 1;
    std::vector<std::int32_t> members;
    auto holds_last = [&](std::int32_t l) {
        const std::int32_t size = run.ctx.LinkMembers.list(l, members);
        return std::find(members.begin() + 1, members.begin() + 1 + size, last) !=
               members.begin() + 1 + size;
    };
    while (!holds_last(link)) ++link;
    const SamplePool pool = fill_sample_pool(run.ctx, run.host, link);
    RandomSource stream(7);
    ReplicateScratch scratch;
    return run_bootstrap_replicate(run.ctx, run.host, link, pool, stream, scratch);
}

TEST(SizeLimits, TheLargestSpeciesCountRunsThroughEveryStage) {
    // 16 objects, so the distances are computed in species blocks.
    for (Measure measure : {Measure::Euclidean, Measure::BrayCurtis}) {
        test::WholeRun run(sized_file(16, kMaxSpecies), measure);
        ASSERT_EQ(run.observed(), Outcome::Completed) << traits_of(measure).option;
        ASSERT_EQ(run.ctx.NumVars, kMaxSpecies);
        EXPECT_EQ(run.ctx.LinkSize[15], 16);
        const ReplicateResult r = replicate_with_last_object(run);
        EXPECT_EQ(r.exit, RoutineExit::Normal);
        EXPECT_GE(r.final_level, 0.0f);
    }
}

TEST(SizeLimits, TheLargestStationCountRunsThroughClusteringAndAReplicate) {
    test::WholeRun run(sized_file(kMaxStations, 2), Measure::Euclidean);
    ASSERT_EQ(run.observed(), Outcome::Completed);
    ASSERT_EQ(run.ctx.LinkSize[kMaxStations - 1], kMaxStations);
    const ReplicateResult r = replicate_with_last_object(run);
    EXPECT_EQ(r.exit, RoutineExit::Normal);
    EXPECT_GE(r.final_level, 0.0f);
}

TEST(SizeLimits, OneMoreStationOrSpeciesIsRefusedWithNothingWritten) {
    for (auto [stations, species] :
         {std::pair{kMaxStations + 1, 2}, std::pair{2, kMaxSpecies + 1}}) {
        std::ostringstream head;
        head << "\"Too big\"\n" << stations << " " << species << "\n";
        test::WholeRun run(head.str(), Measure::Euclidean);
        EXPECT_EQ(run.observed(), Outcome::Failed) << stations << " x " << species;
        ASSERT_EQ(run.host.questions.size(), 1u);
        EXPECT_NE(run.host.questions[0].text.find("at most"), std::string::npos);
        EXPECT_EQ(run.report(), "");
    }
}

}  // namespace
}  // namespace tw
