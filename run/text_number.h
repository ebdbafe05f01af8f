#pragma once
// Reading a text box as a number, as every window setting is read.

#include <cstdint>
#include <string_view>

namespace tw {

// The longest leading part of the text that forms a decimal number (optional
// sign, digits, decimal point, exponent introduced by E or e), with blanks,
// tabs and line feeds ignored wherever they stand. 0 when there is none.
double leading_number(std::string_view text);

// Nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
// Values beyond the 32-bit range are clamped to it.
std::int32_t round_half_even(double value);

// leading_number then round_half_even: whole-number settings.
inline std::int32_t whole_number_setting(std::string_view text) {
    return round_half_even(leading_number(text));
}

}  // namespace tw
