#include "bootstrap/replicate_streams.h"

namespace tw {

namespace {

std::uint64_t splitmix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t part(std::int32_t value) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::uint64_t replicate_seed(std::uint64_t test_seed, const ReplicateId& id) {
    std::uint64_t h = splitmix64(test_seed);
    h = splitmix64(h ^ part(id.link));
    h = splitmix64(h ^ part(id.number));
    return splitmix64(h ^ part(id.attempt));
}

}  // namespace tw
