#pragma once
// The similarity profile of a set of objects: every resemblance between two
// of them, with the run's measure, sorted from smallest to largest (Clarke,
// Somerfield & Gorley 2008, J. Exp. Mar. Biol. Ecol. 366:56-69).

#include <cstdint>
#include <vector>

#include "resemblance/measure_arrays.h"
#include "run/matrix.h"
#include "run/null_host.h"
#include "run/run_context.h"

namespace tw {

// Computes profiles through the program's own resemblance stage, so every
// measure gives exactly the values the hierarchy was built from (before any
// squaring, which belongs to the clustering). Each thread keeps one: it owns
// the working arrays and a host that shows nothing.
class ProfileMeasure {
  public:
    // Takes the measure and species count of `run`.
    explicit ProfileMeasure(const RunContext& run);

    // Rows 1..m of `x` (species 1..NumVars) are the objects; `out` receives
    // the m(m-1)/2 resemblances in increasing order.
    void profile(const Matrix<float>& x, std::int32_t m, std::vector<float>& out);

  private:
    RunContext ctx_;
    NullHost host_;
    Workspace work_;
    MeasureArrays measure_arrays_;
};

}  // namespace tw
