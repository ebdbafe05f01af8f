#pragma once
// The rows of the observed run's resemblance matrix computed on every core.
//
// Row j holds the pairs (j, k), k > j; rows are handed out one at a time, in
// order, to the worker threads and to the calling (window) thread, so the
// long first rows and the short last ones balance out. Each row is written
// by one thread only and each value is computed exactly as on one thread, so
// the matrix is the same bit for bit whatever the number of threads. The
// calling thread yields to the host after every row it computes: the windows
// stay responsive, and an end of the program asked for there stops the
// workers before it leaves.

#include <cstdint>
#include <functional>

#include "run/host.h"

namespace tw {

// How many threads the observed run's resemblances use for n objects:
// `requested` (0: every core), or 1 below `min_objects`, where starting
// threads costs more than they save.
unsigned resemblance_threads(unsigned requested, std::int32_t n, std::int32_t min_objects);

// row(j) for j = 1..n-1 on `threads` threads (the caller's among them). row
// must not touch the host. Pause points: `yields_per_pair` per pair of a row.
// Throws whatever the host's yield throws, once every worker has stopped.
void each_row_on_threads(Host& host, std::int32_t n, unsigned threads, std::int64_t yields_per_pair,
                         const std::function<void(std::int32_t)>& row);

}  // namespace tw
