#pragma once
// The uniform generator that draws the bootstrap's stations.
//
// Every replicate attempt draws from a stream of its own, seeded from the
// test's seed and the attempt's place in the test (replicate_streams.h), so
// the draws do not depend on which thread runs the attempt or when.

#include <cstdint>
#include <random>

namespace tw {

class RandomSource {
  public:
    RandomSource() = default;
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // Start the stream of `seed` again, in place (no allocation).
    void reseed(std::uint64_t seed) { engine_.seed(seed); }

    // Uniform in [0, 1): the top 53 bits of one 64-bit draw, so the value is
    // the same on every standard library and can never round up to 1.
    double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

// The seed of one whole test: a fixed seed (non-zero) repeats the test draw
// for draw; 0 takes one from the high-resolution clock, so every test of a
// session draws afresh. A seed from the clock lies in 1..kLargestClockSeed.
inline constexpr std::uint64_t kLargestClockSeed = 999'999'999;
std::uint64_t test_seed(std::uint64_t fixed_seed);

}  // namespace tw
