#pragma once
// Numbers in files other programs read: a decimal point whatever the
// locale, and the fewest digits that read back as the same value, so that a
// level read by R or Python is exactly the single the program computed.

#include <string>

namespace tw {

// "0.25", "1e-07", "NaN", "Inf", "-Inf" (the spellings R and Python both read).
std::string shortest_text(float value);
std::string shortest_text(double value);

// A double to `digits` significant digits, for estimates such as a standard
// error whose last digits mean nothing.
std::string rounded_text(double value, int digits);

}  // namespace tw
