#include "bootstrap/replicate_inputs.h"

namespace tw {

void copy_replicate_inputs(const RunContext& from, RunContext& to) {
    static_cast<ReplicateInputs&>(to) = from;
    to.PrintAvgFlag = false;
}

}  // namespace tw
