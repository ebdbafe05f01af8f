#pragma once
// The "SIMILARITY MATRIX" listing of the report: the upper triangle of the
// working resemblance matrix in blocks of ten columns, each entry with three
// decimals. Rows and columns of clusters already absorbed by a linkage are
// left blank, so after each linkage the listing shows the current clusters
// only.

#include <cstdint>
#include <vector>

#include "run/matrix.h"
#include "run/printer.h"

namespace tw {

// m(R, C), R < C, over objects 1..n; absorbed[x] != 0 marks an index that no
// longer represents a cluster (indices beyond the vector count as current).
void write_matrix_listing(Printer& out, const Matrix<float>& m, std::int32_t n,
                          const std::vector<std::int16_t>& absorbed);

}  // namespace tw
