// The measure table is the one place the program learns a measure's names
// and kind: each measure's computation must report what its entry says, and
// the linkage window's buttons must map onto the entries in order.

#include <gtest/gtest.h>

#include <string>

#include "resemblance/measure.h"
#include "resemblance_fixture.h"

namespace tw {
namespace {

using test::ResemblanceRun;

TEST(MeasureTable, EveryMeasureReportsTheNameHeadingAndKindOfItsEntry) {
    for (const MeasureTraits& t : measure_table()) {
        const auto number = static_cast<std::int16_t>(t.index);
        ResemblanceRun r;
        ASSERT_EQ(r.run(number, {{1, 2, 3}, {2, 1, 4}, {3, 3, 1}}), RoutineExit::Normal) << number;
        EXPECT_EQ(r.w.MeasureName, t.name) << number;
        EXPECT_EQ(r.w.DistanceFlag, distance_flag(t.index)) << number;
        EXPECT_NE(r.messages().find(t.heading), std::string::npos) << number;
    }
}

TEST(MeasureTable, WindowButtonsMapOntoTheMeasuresInTheirReportNumbering) {
    const auto table = measure_table();
    for (std::size_t entry = 0; entry < table.size(); ++entry) {
        const MeasureChoice chosen = measure_choice(measure_of_entry(static_cast<int>(entry)));
        ASSERT_TRUE(chosen.measure.has_value()) << entry;
        EXPECT_EQ(static_cast<std::size_t>(*chosen.measure), entry + 1);
        // The report's box numbers the measures as the buttons are ordered.
        EXPECT_EQ(chosen.box_text.substr(0, 3), std::to_string(entry + 1) + ") ");
        EXPECT_EQ(measure_entry(chosen.measure), static_cast<int>(entry));
    }
    for (int outside : {-1, static_cast<int>(table.size())})
        EXPECT_FALSE(measure_of_entry(outside).has_value()) << outside;
    const MeasureChoice none = measure_choice(std::nullopt);
    EXPECT_TRUE(none.box_text.empty());
    EXPECT_EQ(measure_entry(std::nullopt), -1);
    EXPECT_TRUE(measure_choice(Measure::HeterogeneityRatio).row_totals_question.has_value());
}

}  // namespace
}  // namespace tw
