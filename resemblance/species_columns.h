#pragma once
// The objects laid out species by species, for measures that compute one
// object's resemblance to a block of partners side by side.
//
// Each partner keeps its own single-precision sums, built species by species
// in species order exactly as the one-pair functions build them; only the
// sums of neighbouring partners advance together, in one vector instruction,
// instead of waiting for one another.

#include <cstddef>
#include <cstdint>
#include <experimental/simd>
#include <vector>

#include "run/matrix.h"

namespace tw {

namespace stdx = std::experimental;

// The partners of one block; 32 keeps eight vector registers of sums busy.
inline constexpr std::int32_t kPartners = 32;
using Partners = stdx::fixed_size_simd<float, kPartners>;

// Species s of object k at (s - 1) * stride + k - 1. Each species row is
// followed by kPartners - 1 zeros, so a block that starts at any object
// reads kPartners values of its own species row; the values past object n
// are read and never used.
class SpeciesColumns {
  public:
    // Copies rows 1..n of x over species 1..species into `storage`, which
    // keeps its capacity from one call to the next.
    SpeciesColumns(const Matrix<float>& x, std::int32_t n, std::int16_t species,
                   std::vector<float>& storage);

    // Species s of the kPartners objects from `first` on.
    Partners partners(std::int16_t s, std::int32_t first) const {
        return Partners(
            data_ + static_cast<std::size_t>(s - 1) * stride_ + static_cast<std::size_t>(first - 1),
            stdx::element_aligned);
    }

  private:
    std::size_t stride_;
    const float* data_;
};

}  // namespace tw
