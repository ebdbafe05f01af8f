#include "bootstrap/random_source.h"

#include <array>
#include <chrono>

namespace tw {

std::uint64_t test_seed(std::uint64_t fixed_seed) {
    if (fixed_seed != 0) return fixed_seed;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // Spread the clock's low-order bits over the whole seed so that two
    // tests started close together begin far apart.
    std::seed_seq mixed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    std::array<std::uint32_t, 2> words{};
    mixed.generate(words.begin(), words.end());
    const std::uint64_t seed = (static_cast<std::uint64_t>(words[0]) << 32) | words[1];
    // A seed a user can copy from the results window into a paper and type
    // back: at most nine digits, never 0.
    return seed % kLargestClockSeed + 1;
}

}  // namespace tw
