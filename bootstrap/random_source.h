#pragma once
// The uniform generator that draws the bootstrap's stations.
//
// One generator serves one whole test: it is seeded once, so successive
// draws never repeat because of re-seeding within one clock tick.

#include <cstdint>
#include <random>

namespace tw {

class RandomSource {
  public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // Uniform in [0, 1): the top 53 bits of one 64-bit draw, so the value is
    // the same on every standard library and can never round up to 1.
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

// A fixed seed (non-zero) repeats a test draw for draw; 0 seeds from the
// high-resolution clock, so every test of a session draws afresh.
RandomSource make_random_source(std::uint64_t fixed_seed);

}  // namespace tw
