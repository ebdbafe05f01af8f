#pragma once
// The random starts of an ordination: start s draws from its own stream,
// made from the seed and s alone, so no start depends on which thread ran
// it or on the starts before it.

#include <cstdint>

#include "ordination/configuration.h"

namespace tw {

// Uniform in [-1, 1] on every axis.
Configuration random_start(std::int32_t objects, std::int32_t dimensions, std::uint64_t seed,
                           std::int32_t start);

}  // namespace tw
