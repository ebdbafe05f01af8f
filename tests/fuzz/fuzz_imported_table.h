#pragma once
// What every import fuzz target asks of a table it was given: refused with
// an ImportError, or turned into a data file that the program's own reader
// takes back with the same stations, species and groups.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "import/table_import.h"

namespace tw::fuzz {

// The options a last byte of fuzzer input chooses: separator, decimal mark,
// orientation, missing values and long-table detection.
tw::import::ImportOptions options_from(std::uint8_t knobs);

// Runs `import` and checks what it gives; aborts the fuzzer on a mismatch.
void check_import(const std::function<import::ImportedTable()>& import);

}  // namespace tw::fuzz
