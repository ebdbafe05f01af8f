#include "datacheck/line_characters.h"

#include <cstddef>
#include <limits>

namespace tw {

namespace {

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence starting at s[i], or 1.
std::size_t sequence_length(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (n == 1 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if (!is_continuation(static_cast<unsigned char>(s[i + k]))) return 1;
    return n;
}

}  // namespace

std::string_view trim_blanks(std::string_view line) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = line.find_last_not_of(' ');
    return line.substr(first, last - first + 1);
}

std::vector<std::string> split_characters(std::string_view line) {
    std::vector<std::string> chars;
    chars.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = sequence_length(line, i);
        chars.emplace_back(line.substr(i, n));
        i += n;
    }
    return chars;
}

std::int32_t digits_value(const std::string& digits) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kMax) return static_cast<std::int32_t>(kMax);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace tw
