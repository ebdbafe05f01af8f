#pragma once
// Rescaling and transformation of the data, and the report lines saying
// which were applied.

#include <cstdint>

#include "run/printer.h"

namespace tw {

// TransformCode: what is done to every group mean after averaging.
enum class Transform : std::int16_t {
    None = 0,
    Ln = 1,      // ln(X+1)
    Binary = 2,  // 1 when X > 0
};

// A raw value as it is stored: the constant times the value as read, rounded
// once to single precision.
inline float rescaled(float multiplier, float value) {
    return multiplier * value;
}

// One group mean transformed by `code`. ln(X+1) is taken in double precision
// and stored as a single; it is not guarded, so a mean at or below -1 gives
// what the logarithm gives (NaN or -Inf), which the later stages print as such.
// Binary makes every positive mean 1 and leaves 0 and negative means as they are.
float transformed(float mean, Transform code);

// The report lines for the constant (only when its whole part is not 1) and
// for the transformation (only when there is one), each followed by a line
// holding a single blank.
void write_transform_lines(Printer& report, float multiplier, Transform code);

}  // namespace tw
