#include "bootstrap/replicate_attempts.h"

#include "bootstrap/replicate_streams.h"

namespace tw {

void SequentialAttempts::start_link(std::int32_t link, const SamplePool& pool, std::int32_t) {
    link_ = link;
    pool_ = &pool;
}

ReplicateResult SequentialAttempts::attempt(std::int32_t number, std::int32_t attempt) {
    seed_replicate_stream(stream_, seed_, ReplicateId{link_, number, attempt});
    return run_bootstrap_replicate(ctx_, host_, link_, *pool_, stream_, scratch_);
}

}  // namespace tw
