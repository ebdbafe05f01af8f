#pragma once
// A line of the data file as the checker examines it: blanks trimmed from
// both ends, then split into characters.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Leading and trailing blanks removed; tabs are kept, so that they can be
// reported.
std::string_view trim_blanks(std::string_view line);

// One entry per character. A well-formed UTF-8 sequence is one character, so
// positions match what an editor shows; any other byte (a Latin-1 letter,
// say) is a character of its own.
std::vector<std::string> split_characters(std::string_view line);

inline bool is_decimal_digit(const std::string& c) {
    return c.size() == 1 && c[0] >= '0' && c[0] <= '9';
}

// The value of a string of decimal digits, 0 when empty; a value beyond the
// 32-bit range reads as the largest 32-bit number.
std::int32_t digits_value(const std::string& digits);

}  // namespace tw
