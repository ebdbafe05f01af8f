#include "resemblance/measure.h"

#include <array>
#include <cstddef>

namespace tw {

namespace {

using enum Measure;
constexpr Resemblance kSim = Resemblance::Similarity;
constexpr Resemblance kDist = Resemblance::Distance;

constexpr const char* kHrRowsWarning = "H/R Computation Failure";
constexpr const char* kHrRowsPrompt =
    "If any data rows total to zero or a negative number, computations for the H/R will fail. "
    "Choose another similarity measure if you wish to continue.";

// The blanks after "Bray-Curtis" and "Jaccard's Index" in the box texts, and
// the mixed capitals of the headings, are what the report and the message
// area have always shown.
constexpr std::array<MeasureTraits, 8> kMeasures = {{
    {Euclidean, "Euclidean Dist.", "1) Euclidean Dist.", "EUCLIDEAN DISTANCE", "Euclidean Distance",
     "Euclidean distance", "Euclidean", "euclidean", kDist},
    {BrayCurtis, "Bray-Curtis", "2) Bray-Curtis ", "BRAY-CURTIS COEFFICIENT",
     "Bray-Curtis Coefficient", "Bray-Curtis coefficient", "Bray-Curtis", "bray-curtis", kSim},
    {Correlation, "Correlation coeff.", "3) Correlation coeff.", "CORRELATION COEFFICIENT",
     "Correlation Coefficient", "correlation coefficient", "Correlation", "correlation", kSim},
    {HeterogeneityRatio, "H/R", "4) Heterogeneity ratio", "*** Heterogeneity Ratio (H/R) ***",
     "Heterogeneity Ratio", "heterogeneity ratio (H/R)", "Heterogeneity ratio",
     "heterogeneity-ratio", kDist, kHrRowsWarning, kHrRowsPrompt, true},
    {Jaccard, "JACCARD'S INDEX", "5) Jaccard's Index    ", "JACCARD'S INDEX", "Jaccard's Index",
     "Jaccard's index", "Jaccard", "jaccard", kSim},
    {SimpleMatching, "SIMPLE MATCHING COEFFICIENT", "6) Simple Matching Coefficient",
     "Simple Matching Coefficient", "Simple Matching Coefficient", "simple matching coefficient",
     "Simple matching", "simple-matching", kSim},
    {Dice, "DICE INDEX", "7) Dice (Czekanowski) Index", "Dice INDEX", "Dice Index", "Dice index",
     "Dice", "dice", kSim},
    {Fager, "FAGER COEFFICIENT", "8) Fager Coefficient", "Fager INDEX", "Fager's Index",
     "Fager's index", "Fager", "fager", kSim},
}};

}  // namespace

std::span<const MeasureTraits> measure_table() {
    return kMeasures;
}

const MeasureTraits& traits_of(Measure m) {
    for (const MeasureTraits& t : kMeasures) {
        if (t.index == m) return t;
    }
    // A number outside the table is computed as Euclidean distance, as the
    // resemblance stage has always done.
    return kMeasures[0];
}

std::optional<Measure> measure_of_entry(int entry) {
    if (entry < 0 || entry >= static_cast<int>(kMeasures.size())) return std::nullopt;
    return kMeasures[static_cast<std::size_t>(entry)].index;
}

int measure_entry(std::optional<Measure> m) {
    for (std::size_t i = 0; m && i < kMeasures.size(); ++i)
        if (kMeasures[i].index == *m) return static_cast<int>(i);
    return -1;
}

MeasureChoice measure_choice(std::optional<Measure> chosen) {
    MeasureChoice choice;
    choice.measure = chosen;
    if (!choice.measure) return choice;
    const MeasureTraits& t = traits_of(*choice.measure);
    choice.box_text = t.box_text;
    if (t.row_totals_warning != nullptr)
        choice.row_totals_question = RowTotalsQuestion{t.row_totals_warning, t.row_totals_prompt};
    return choice;
}

}  // namespace tw
