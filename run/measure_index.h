#pragma once
// The resemblance measures a run can use, and which way their values point.
// The run's data model only carries them; the measures' values and everything
// known about each measure are in the measure table, resemblance/measure.h,
// which also fills a MeasureChoice.

#include <cstdint>
#include <optional>
#include <string>

namespace tw {

// Numbered as the report's measure box numbers them.
enum class Measure : std::int16_t {
    Euclidean = 1,
    BrayCurtis = 2,
    Correlation = 3,
    HeterogeneityRatio = 4,
    Jaccard = 5,
    SimpleMatching = 6,
    Dice = 7,
    Fager = 8,
};

// DistanceFlag: how the clustering, the bootstrap test and the dendrogram
// read the matrix.
enum class Resemblance : std::int16_t {
    Similarity = 0,  // larger is closer
    Distance = 1,    // smaller is closer
};

// The question that sends the user back to choose another measure when a
// data row totals zero or less and the chosen measure cannot compare it.
struct RowTotalsQuestion {
    std::string warning_name;  // the title, before " Do you want to continue?"
    std::string prompt;
};

// What the run's first stage needs to know of the measure chosen on the
// linkage window.
struct MeasureChoice {
    std::optional<Measure> measure;  // none when no button is set: the previous run's stays
    std::string box_text;            // inside the report's measure box; empty for none
    // None when the measure compares any rows.
    std::optional<RowTotalsQuestion> row_totals_question;
};

}  // namespace tw
