#pragma once
// Colours for the clusters of a figure. Taken from the palettes of Okabe &
// Ito (2008, "Color Universal Design") and Tol (2021, "Colour schemes"),
// which stay apart for readers with the common colour-vision deficiencies,
// and ordered so that neighbouring clusters also differ in lightness: a
// figure printed in grey keeps them apart too.

#include <cstdint>
#include <span>

#include "figure/figure.h"

namespace tw {

std::span<const Rgb> cluster_palette();

// The colour of the k-th cluster from the left (0-based); the palette
// repeats for more clusters than it holds, never for two neighbours.
Rgb cluster_colour(std::int32_t k);

// Lightness as a greyscale print shows it (ITU-R BT.601 weights), 0..255.
double grey_level(const Rgb& c);

// Every colour of the figure as the grey a greyscale print gives it: for a
// journal that prints in black and white, the clusters stay apart by
// lightness.
void to_grey(Figure& fig);

}  // namespace tw
