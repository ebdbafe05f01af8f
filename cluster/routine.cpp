#include "cluster/routine.h"

namespace tw {

RoutineExit resemble_and_cluster(RunContext& ctx, Host& host, Workspace& w, const Matrix<float>& x,
                                 std::int32_t n, std::int16_t run_mode, LinkArrays,
                                 const std::vector<std::string>&, std::string& resample_flag) {
    return compute_resemblance(ctx, host, w, x, n, run_mode, resample_flag);
}

}  // namespace tw
