#include "ordination/start_streams.h"

namespace tw {

namespace {

// SplitMix64 (Steele, Lea & Flood 2014): one well-mixed 64-bit value per
// step, the same on every platform and standard library.
std::uint64_t next(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

Configuration random_start(std::int32_t objects, std::int32_t dimensions, std::uint64_t seed,
                           std::int32_t start) {
    std::uint64_t mix = seed ^ (0xD1B54A32D192ED03ull * static_cast<std::uint64_t>(start + 1));
    std::uint64_t state = next(mix);
    Configuration c(objects, dimensions);
    for (double& v : c.x) v = static_cast<double>(next(state) >> 11) * 0x1.0p-52 - 1.0;
    return c;
}

}  // namespace tw
