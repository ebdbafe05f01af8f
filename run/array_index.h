#pragma once
// Arrays of the run are indexed from 1 with the design's signed counts; this
// turns such an index into a position in a std::vector.

#include <cstddef>
#include <cstdint>

namespace tw {

constexpr std::size_t at(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

}  // namespace tw
