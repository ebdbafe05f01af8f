#pragma once
// The objects laid out species by species, for measures that compute one
// object's resemblance to a block of partners side by side.
//
// Each partner keeps its own single-precision sums, built species by species
// in species order exactly as the one-pair functions build them; only the
// sums of neighbouring partners advance together, a vector of them per
// instruction, instead of waiting for one another.
//
// The block functions of the measures are kept out of line
// ([[gnu::noinline]]): inlined into their loops over pairs, the compiler
// keeps the sums in memory instead of registers and the blocks lose half
// their speed.

#include <cstddef>
#include <cstdint>
#include <experimental/simd>
#include <vector>

#include "run/matrix.h"

namespace tw {

namespace stdx = std::experimental;

// As many partners as the processor's vector registers hold floats.
using Lanes = stdx::native_simd<float>;
// N partners as one value.
template <std::int32_t N>
using PartnerBlock = stdx::fixed_size_simd<float, N>;

// The widest block a measure reads.
inline constexpr std::int32_t kMaxPartners = 32;

// Below this many objects copying them costs more than the blocks save; the
// measures then take the pairs one at a time.
inline constexpr std::int32_t kBlockMinObjects = 16;

// Species s of object k at (s - 1) * stride + k - 1. Each species row is
// followed by kMaxPartners - 1 zeros, so a block that starts at any object
// reads its values from its own species row; the values past object n are
// read and never used.
class SpeciesColumns {
  public:
    // Copies rows 1..n of x over species 1..species into `storage`, which
    // keeps its capacity from one call to the next.
    SpeciesColumns(const Matrix<float>& x, std::int32_t n, std::int16_t species,
                   std::vector<float>& storage);

    // Species s of the N objects from `first` on.
    template <std::int32_t N>
    PartnerBlock<N> block(std::int32_t s, std::int32_t first) const {
        static_assert(N <= kMaxPartners);
        return PartnerBlock<N>(at(s, first), stdx::element_aligned);
    }
    // Species s of the Lanes::size() objects from `first` + `offset` on,
    // offset + Lanes::size() at most kMaxPartners.
    Lanes lanes(std::int32_t s, std::int32_t first, std::size_t offset) const {
        return Lanes(at(s, first) + offset, stdx::element_aligned);
    }

  private:
    const float* at(std::int32_t s, std::int32_t first) const {
        return data_ + static_cast<std::size_t>(s - 1) * stride_ +
               static_cast<std::size_t>(first - 1);
    }

    std::size_t stride_;
    const float* data_;
};

}  // namespace tw
