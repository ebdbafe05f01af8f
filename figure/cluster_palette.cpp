#include "figure/cluster_palette.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tw {

namespace {

// Dark and light alternate; grey levels 87, 162, 51, 138, 119, 188.
constexpr std::array<Rgb, 6> kPalette = {{
    {0x00, 0x72, 0xB2},  // blue
    {0xE6, 0x9F, 0x00},  // orange
    {0x33, 0x22, 0x88},  // indigo
    {0x44, 0xAA, 0x99},  // teal
    {0xD5, 0x5E, 0x00},  // vermillion
    {0x88, 0xCC, 0xEE},  // sky blue
}};

}  // namespace

std::span<const Rgb> cluster_palette() {
    return kPalette;
}

Rgb cluster_colour(std::int32_t k) {
    if (k < 0) k = 0;
    return kPalette[static_cast<std::size_t>(k) % kPalette.size()];
}

double grey_level(const Rgb& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

void to_grey(Figure& fig) {
    const auto grey = [](Rgb& c) {
        const auto g = static_cast<std::uint8_t>(std::lround(grey_level(c)));
        c = {g, g, g};
    };
    for (FigureLine& l : fig.lines) grey(l.colour);
    for (FigureText& t : fig.texts) grey(t.colour);
}

}  // namespace tw
