#include "figure/text_metrics.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tw {

namespace {

// Advances of code points 32 to 255 in 64ths of a 100-unit font; the C1
// controls (127 to 159) take no room.
constexpr std::array<std::uint16_t, 224> kAdvance = {
    2034, 2565, 2943, 5362, 4071, 6081, 4990, 1759, 2496, 2496, 3200, 5362, 2034, 2309, 2034, 2156,
    4071, 4071, 4071, 4071, 4071, 4071, 4071, 4071, 4071, 4071, 2156, 2156, 5362, 5362, 5362, 3396,
    6400, 4378, 4390, 4468, 4928, 4043, 3681, 4959, 4812, 1887, 1887, 4196, 3565, 5521, 4787, 5037,
    3859, 5037, 4446, 4062, 3909, 4684, 4378, 6328, 4384, 3909, 4384, 2496, 2156, 2496, 5362, 3200,
    3200, 3921, 4062, 3518, 4062, 3937, 2253, 4062, 4056, 1778, 1778, 3706, 1778, 6234, 4056, 3915,
    4062, 4062, 2631, 3334, 2509, 4056, 3787, 5234, 3787, 3787, 3359, 4071, 2156, 4071, 5362, 0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    2034, 2565, 4071, 4071, 4071, 4071, 2156, 3200, 3200, 6400, 3015, 3915, 5362, 2309, 6400, 3200,
    3200, 5362, 2565, 2565, 3200, 4071, 4071, 2034, 3200, 2565, 3015, 3915, 6203, 6203, 6203, 3396,
    4378, 4378, 4378, 4378, 4378, 4378, 6234, 4468, 4043, 4043, 4043, 4043, 1887, 1887, 1887, 1887,
    4959, 4787, 5037, 5037, 5037, 5037, 5037, 5362, 5037, 4684, 4684, 4684, 4684, 3909, 3871, 4031,
    3921, 3921, 3921, 3921, 3921, 3921, 6284, 3518, 3937, 3937, 3937, 3937, 1778, 1778, 1778, 1778,
    3915, 4056, 3915, 3915, 3915, 3915, 3915, 5362, 3915, 4056, 4056, 4056, 4056, 3787, 4062, 3787,
};

// The same for the bold face, in which titles and identifiers are drawn.
constexpr std::array<std::uint16_t, 224> kBoldAdvance = {
    2228, 2918, 3334, 5362, 4453, 6412, 5581, 1959, 2925, 2925, 3346, 5362, 2431, 2656, 2431, 2337,
    4453, 4453, 4453, 4453, 4453, 4453, 4453, 4453, 4453, 4453, 2559, 2559, 5362, 5362, 5362, 3712,
    6400, 4953, 4878, 4696, 5312, 4371, 4371, 5253, 5356, 2381, 2381, 4959, 4078, 6368, 5356, 5440,
    4690, 5440, 4928, 4609, 4365, 5196, 4953, 7059, 4934, 4634, 4640, 2925, 2337, 2925, 5362, 3200,
    3200, 4318, 4581, 3793, 4581, 4340, 2784, 4581, 4556, 2193, 2193, 4256, 2193, 6668, 4556, 4396,
    4581, 4581, 3156, 3809, 3059, 4556, 4171, 5912, 4128, 4171, 3725, 4556, 2337, 4556, 5362, 0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
    2228, 2918, 4453, 4453, 4071, 4453, 2337, 3200, 3200, 6400, 3609, 4134, 5362, 2656, 6400, 3200,
    3200, 5362, 2803, 2803, 3200, 4709, 4071, 2431, 3200, 2803, 3609, 4134, 6625, 6625, 6625, 3712,
    4953, 4953, 4953, 4953, 4953, 4953, 6943, 4696, 4371, 4371, 4371, 4371, 2381, 2381, 2381, 2381,
    5362, 5356, 5440, 5440, 5440, 5440, 5440, 5362, 5440, 5196, 5196, 5196, 5196, 4634, 4721, 4603,
    4318, 4318, 4318, 4318, 4318, 4318, 6706, 3793, 4340, 4340, 4340, 4340, 2193, 2193, 2193, 2193,
    4396, 4556, 4396, 4396, 4396, 4396, 4396, 5362, 4396, 4556, 4556, 4556, 4556, 4171, 4581, 4171,
};

// A few signs a figure writes beyond Latin-1; anything else is taken as
// wide as a digit.
std::uint32_t advance_of(std::uint32_t c, bool bold) {
    if (c >= 32 && c < 256) return (bold ? kBoldAdvance : kAdvance)[c - 32];
    switch (c) {
        case 0x2212:  // minus
        case 0x2264:  // less than or equal
        case 0x2265:
            return 5362;
        case 0x2013:
            return 3200;
        case 0x2014:
        case 0x2026:  // ellipsis
            return 6400;
        default:
            return 4071;
    }
}

// The next code point of UTF-8 text; a malformed byte counts as itself.
std::uint32_t next_code_point(const std::string& s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint32_t b = byte(i);
    std::size_t more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (i + more >= s.size()) more = 0;
    std::uint32_t c = more == 0 ? b : b & (0x3F >> more);
    for (std::size_t k = 1; k <= more; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    i += more + 1;
    return c;
}

std::uint64_t advance_units(const std::string& text, bool bold) {
    std::uint64_t units = 0;
    for (std::size_t i = 0; i < text.size();) units += advance_of(next_code_point(text, i), bold);
    return units;
}

}  // namespace

double figure_text_width(const std::string& text, double size) {
    return static_cast<double>(advance_units(text, false)) / 6400.0 * size;
}

double bold_widening(const std::string& text) {
    const std::uint64_t plain = advance_units(text, false);
    if (plain == 0) return 1.0;
    return static_cast<double>(advance_units(text, true)) / static_cast<double>(plain);
}

}  // namespace tw
