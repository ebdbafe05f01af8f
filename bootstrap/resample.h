#pragma once
// The station pool of one linkage and the drawing of one replicate from it.

#include <cstdint>
#include <vector>

#include "bootstrap/random_source.h"
#include "run/host.h"
#include "run/matrix.h"
#include "run/run_context.h"

namespace tw {

// SamplePool: entries 1..PoolSize are DataMatrix row numbers; entry 0 unused.
using SamplePool = std::vector<std::int32_t>;

// Number of stations in the member groups of linkage `link`: the sum of
// RepCount over its members, one yield per member.
std::int32_t pool_size(const RunContext& ctx, Host& host, std::int32_t link);

// The DataMatrix rows of every member group of `link`, member by member in
// the order of its member list, each group's rows in increasing order.
// Groups are consecutive runs of stations, so group s starts at
// 1 + RepCount(1..s-1).
SamplePool fill_sample_pool(const RunContext& ctx, Host& host, std::int32_t link);

// Pool position 1..pool_size for a uniform draw r in [0, 1), computed in
// double precision; a product that rounds up to pool_size stays in the pool.
std::int32_t pool_position(double r, std::int32_t pool_size);

// Fills rows 1..PoolSize of `boot_data` (already sized at least PoolSize by
// num_cols), each an independent draw, with replacement and equal
// probability, of one pooled station's values. Rows of different member
// groups mix freely.
void draw_replicate_rows(const Matrix<float>& data, std::int16_t num_cols, const SamplePool& pool,
                         RandomSource& stream, Host& host, Matrix<float>& boot_data);

}  // namespace tw
