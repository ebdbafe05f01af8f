#pragma once
// What every resemblance measure reads: the objects (rows 1..n of x) over
// `species` columns, the host to print progress to and yield through, and
// the run mode (1 observed run, 2 bootstrap replicate).

#include <cstdint>

#include "run/host.h"
#include "run/matrix.h"
#include "run/printer.h"

namespace tw {

struct MeasureInput {
    Host& host;
    const Matrix<float>& x;
    std::int32_t n;
    std::int16_t species;
    std::int16_t run_mode;

    // Only the observed run writes progress notes; a replicate stays quiet
    // apart from the few lines that both modes print.
    bool observed() const { return run_mode == 1; }
    Printer& messages() const { return host.messages(); }
};

// A progress mark after a pair: the message area is cleared whenever `count`
// is a multiple of `every`, otherwise `mark` is appended to the current line.
inline void progress_mark(Printer& messages, std::int64_t count, std::int64_t every,
                          const char* mark) {
    if (count % every == 0) {
        messages.clear();
    } else {
        messages.text(mark);
    }
}

}  // namespace tw
