#pragma once
// One random stream per replicate attempt. The stream of an attempt depends
// only on the test's seed, the linkage, the replicate number and the attempt
// number (a replicate drawn again after a resample exit is attempt 2, 3, ...),
// so a test gives the same counts whichever thread draws which replicate.

#include <cstdint>

#include "bootstrap/random_source.h"

namespace tw {

struct ReplicateId {
    std::int32_t link = 0;     // linkage under test
    std::int32_t number = 0;   // replicate b, from 1
    std::int32_t attempt = 0;  // 1 for the first draw of b
};

// The seed of one attempt's stream. Each part passes through the SplitMix64
// finaliser (Steele, Lea & Flood 2014) before the next is added, so
// neighbouring ids (link 1 replicate 2, link 2 replicate 1, ...) get
// unrelated seeds.
std::uint64_t replicate_seed(std::uint64_t test_seed, const ReplicateId& id);

// Restarts `stream` at the start of the attempt's own sequence.
inline void seed_replicate_stream(RandomSource& stream, std::uint64_t test_seed,
                                  const ReplicateId& id) {
    stream.reseed(replicate_seed(test_seed, id));
}

}  // namespace tw
