#pragma once
// PREFIX.ordination.csv: the run's objects placed by the ordination, one row
// each in group order. Columns: object (the group's number), label,
// cluster (empty when the object is in none), axis1, axis2 and, for three
// axes, axis3.

#include <string>

#include "export/json_writer.h"
#include "ordination/run_ordination.h"

namespace tw {

std::string ordination_csv(const RunOrdination& o);

// The ordination in the record of the run: its settings, rule, stress,
// starts and the starts that reached the best solution.
JsonObject ordination_record(const RunOrdination& o);

}  // namespace tw
