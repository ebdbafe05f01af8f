#include "export/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tw {

namespace {

template <class T>
std::string nonfinite_text(T value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

std::string shortest_text(float value) {
    if (!std::isfinite(value)) return nonfinite_text(value);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string shortest_text(double value) {
    if (!std::isfinite(value)) return nonfinite_text(value);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string rounded_text(double value, int digits) {
    if (!std::isfinite(value)) return nonfinite_text(value);
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace tw
