#include "bootstrap/random_source.h"

#include <array>
#include <chrono>

namespace tw {

RandomSource make_random_source(std::uint64_t fixed_seed) {
    if (fixed_seed != 0) return RandomSource(fixed_seed);
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // Spread the clock's low-order bits over the whole seed so that two
    // tests started close together begin far apart in the sequence.
    std::seed_seq mixed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    std::array<std::uint32_t, 2> words{};
    mixed.generate(words.begin(), words.end());
    return RandomSource((static_cast<std::uint64_t>(words[0]) << 32) | words[1]);
}

}  // namespace tw
