#pragma once
// What every resemblance measure reads: the objects (rows 1..n of x) over
// `species` columns, the host to print progress to and yield through, and
// the run mode.

#include <cstdint>
#include <string>

#include "run/host.h"
#include "run/matrix.h"
#include "run/printer.h"
#include "run/run_mode.h"

namespace tw {

struct MeasureInput {
    Host& host;
    const Matrix<float>& x;
    std::int32_t n;
    std::int16_t species;
    RunMode run_mode;
    // Threads for the rows of the matrix (resemblance_threads); 1 computes
    // them in turn on the calling thread.
    unsigned threads = 1;

    // Only the observed run writes progress notes; a replicate stays quiet
    // apart from the few lines that both modes print.
    bool observed() const { return run_mode == RunMode::Observed; }
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

// The progress marks of the pairs (j, k), k = first..last, as progress_mark
// prints them after each pair; the marks between two clears go out in one
// piece, which leaves the message area exactly as one mark at a time would.
inline void row_progress_marks(Printer& messages, std::int32_t j, std::int32_t first,
                               std::int32_t last, std::int64_t every, char mark) {
    std::size_t run = 0;
    for (std::int32_t k = first; k <= last; ++k) {
        if (std::int64_t{j} * k % every == 0) {
            if (run > 0) messages.text(std::string(run, mark));
            run = 0;
            messages.clear();
        } else {
            ++run;
        }
    }
    if (run > 0) messages.text(std::string(run, mark));
}

}  // namespace tw
