#pragma once
// The bootstrap's seed as the linkage window's "Random seed" box gives it.
// A blank box seeds the test from the clock; any whole number, 0 included,
// fixes the test draw for draw.

#include <cstdint>
#include <string>

#include "run/run_settings.h"

namespace tw {

enum class SeedSource {
    Clock,   // the box is blank
    Typed,   // the box holds a whole number
    Invalid  // the box holds something else
};

struct SeedEntry {
    SeedSource source = SeedSource::Clock;
    std::uint64_t value = 0;  // the number typed, when Typed
};

// Blanks around the number are ignored; signs, decimals and numbers beyond
// 18446744073709551615 are Invalid.
SeedEntry read_seed_text(const std::string& text);

// The seed the settings ask for: a seed fixed by a test or a scripted
// session (random_seed, non-zero) wins over the box.
SeedEntry chosen_seed(const RunSettings& settings);

// The message for a box that holds no usable seed.
std::string seed_problem_message(const std::string& text);

}  // namespace tw
