#pragma once
// Rescaling, standardising and transformation of the data, and the report
// lines saying which were applied.

#include <cstdint>
#include <string>
#include <vector>

#include "run/printer.h"
#include "run/run_settings.h"

namespace tw {

// TransformCode: what is done to every group mean after averaging.
enum class Transform : std::int16_t {
    None = 0,
    Ln = 1,          // ln(X+1)
    Binary = 2,      // 1 when X > 0
    SquareRoot = 3,  // X^(1/2)
    FourthRoot = 4,  // X^(1/4)
};

// A transformation as the batch command names it and as running text (the
// methods paragraph) describes what it did to the group means.
struct TransformEntry {
    Transform code;
    std::string option;  // the batch command's --transform value
    std::string done_to_means;
};

// Every transformation, None first; the batch command's --transform values
// and its help come from here.
const std::vector<TransformEntry>& transform_table();
const TransformEntry& transform_entry(Transform code);

// The transformation the options window's buttons choose, and the buttons a
// transformation sets (all off for None).
Transform chosen_transform(const RunSettings& s);
void choose_transform(RunSettings& s, Transform code);

// A raw value as it is stored: the constant times the value as read, rounded
// once to single precision.
inline float rescaled(float multiplier, float value) {
    return multiplier * value;
}

// One group mean transformed by `code`. ln(X+1) is taken in double precision
// and stored as a single; it is not guarded, so a mean at or below -1 gives
// what the logarithm gives (NaN or -Inf), which the later stages print as such.
// Binary makes every positive mean 1 and leaves 0 and negative means as they are.
// The roots are taken in double precision and stored as singles; a negative
// mean (only negative data, which the reader asks about, give one) keeps its
// sign, -(|X|^(1/2)), so that the run goes on with an order-keeping value
// rather than NaN.
float transformed(float mean, Transform code);

// Row `row` of `values`, columns 1..last_col, as percentages of the row's
// total: 100 X / total, summed and divided in double precision and stored as
// singles. A row that totals zero or less has no relative abundances and is
// left as it is (an empty group stays empty and is reported "NO LIFE ...").
template <class RowMatrix>
void standardise_row(RowMatrix& values, std::int32_t row, std::int32_t last_col) {
    double total = 0.0;
    for (std::int32_t j = 1; j <= last_col; ++j) total += static_cast<double>(values(row, j));
    if (!(total > 0.0)) return;
    for (std::int32_t j = 1; j <= last_col; ++j)
        values(row, j) = static_cast<float>(100.0 * static_cast<double>(values(row, j)) / total);
}

// The report lines for the constant (only when its whole part is not 1), for
// standardising (only when chosen) and for the transformation (only when
// there is one), in the order they were applied, each followed by a line
// holding a single blank.
void write_transform_lines(Printer& report, float multiplier, bool standardised, Transform code);

}  // namespace tw
