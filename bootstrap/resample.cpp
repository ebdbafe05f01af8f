#include "bootstrap/resample.h"
#include "run/array_index.h"

namespace tw {

std::int32_t pool_size(const RunContext& ctx, Host& host, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t count = ctx.LinkMembers.list(link, members);
    std::int32_t total = 0;
    for (std::int32_t k = 1; k <= count; ++k) {
        total += ctx.RepCount[at(members[at(k)])];
        host.yield();
    }
    return total;
}

SamplePool fill_sample_pool(const RunContext& ctx, Host& host, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t count = ctx.LinkMembers.list(link, members);
    // First DataMatrix row of every group, from the group sizes.
    std::vector<std::int32_t> first_row(ctx.RepCount.size(), 1);
    for (std::size_t g = 2; g < ctx.RepCount.size(); ++g)
        first_row[g] = first_row[g - 1] + ctx.RepCount[g - 1];

    SamplePool pool(1, 0);
    for (std::int32_t k = 1; k <= count; ++k) {
        const auto s = at(members[at(k)]);
        for (std::int32_t r = 0; r < ctx.RepCount[s]; ++r) {
            pool.push_back(first_row[s] + r);
            host.yield();
        }
    }
    return pool;
}

std::int32_t pool_position(double r, std::int32_t pool_size) {
    const auto k = static_cast<std::int32_t>(r * static_cast<double>(pool_size)) + 1;
    return k > pool_size ? pool_size : k;
}

void draw_replicate_rows(const Matrix<float>& data, std::int16_t num_cols, const SamplePool& pool,
                         RandomSource& stream, Host& host, Matrix<float>& boot_data) {
    const auto size = static_cast<std::int32_t>(pool.size()) - 1;
    for (std::int32_t i = 1; i <= size; ++i) {
        const std::int32_t row = pool[at(pool_position(stream.next(), size))];
        const float* from = data.row(row);
        float* to = boot_data.row(i);
        for (std::int32_t j = 1; j <= num_cols; ++j) {
            to[j] = from[j];
            host.yield();
        }
    }
}

}  // namespace tw
