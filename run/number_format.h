#pragma once
// Number forms shared by every output: the report, the message area, the
// side files and the results grid.

#include <cstdint>
#include <string>

namespace tw {

// A single in its shortest general form with at most 7 significant digits,
// without the print statement's blanks: 0.5 -> ".5", -0.25 -> "-.25",
// 3 -> "3", 12345678 -> "1.234568E+07", 0.00001 -> "1E-05".
// Fixed form is used for decimal exponents -5 < e < 7 (the rule of C's %G at
// precision 7), exponent form outside that range. NaN and infinities are
// written "NaN", "Inf" and "-Inf".
std::string single_text(float value);

// An integer in plain decimal, no blanks.
std::string integer_text(std::int64_t value);

// The print statement's form of a number: one leading blank (or the minus
// sign) and one trailing blank: 5 -> " 5 ", -.25 -> "-.25 ".
std::string printed_number(float value);
std::string printed_number(std::int64_t value);

// A value formatted with a pattern such as "#0.000 ", "0.000", "##.#" or
// "####". Before the decimal point '0' is a digit that is always written and
// '#' one that is written only when needed (so "##.#" writes 0.2 as ".2");
// after the point every place is written. Rounding is half away from zero.
// Any other character of the pattern (a trailing blank) is copied. A value
// that needs more whole digits than the pattern has is written in full, and
// "####" writes 0 as "0" so that an axis label is never blank.
std::string pattern_text(const std::string& pattern, double value);

}  // namespace tw
