#include "run/run_context.h"

#include <utility>

namespace tw {

void RunContext::recreate_for_run() {
    std::string sequence = std::move(ReplicateSequenceText);
    const std::int16_t retries = ResampleRetries;
    Channels open_channels = std::move(channels);
    RunSettings kept_settings = std::move(settings);
    *this = RunContext{};
    ReplicateSequenceText = std::move(sequence);
    ResampleRetries = retries;
    channels = std::move(open_channels);
    settings = std::move(kept_settings);
}

}  // namespace tw
