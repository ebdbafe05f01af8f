#pragma once
// The four presence/absence similarities (measures 5 to 8), computed from
// the 2x2 table of CountMatches:
//   5 Jaccard         a / (a + b + c)
//   6 simple matching (a + d) / (a + b + c + d)
//   7 Dice            2a / (2a + b + c)
//   8 Fager           a / sqrt((a + b)(c + d)) - 1 / (2 sqrt(a + b))
// A denominator that is 0 stores 1.0, the value of a perfect match.

#include <cstdint>

#include "resemblance/count_matches.h"
#include "resemblance/measure.h"
#include "resemblance/measure_input.h"
#include "run/run_context.h"

namespace tw {

// The index `measure` (Jaccard, simple matching, Dice or Fager) of one table.
float presence_absence_index(Measure measure, const MatchTable& t);

// Fills the upper triangle of w.SimMatrix with index `measure`;
// DistanceFlag 0.
void presence_absence(const MeasureInput& in, Workspace& w, Measure measure);

}  // namespace tw
