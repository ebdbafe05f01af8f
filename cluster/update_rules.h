#pragma once
// Lance-Williams style updates: the resemblance of a cluster k to the cluster
// formed by joining i and j, from a = d(k, i), b = d(k, j) and the joining
// value s = d(i, j) (Lance & Williams 1967, "A general theory of
// classificatory sorting strategies").
//
// Every rule reads and returns single-precision values; the arithmetic in
// between is done in extended precision (long double) and rounded once when
// the result is stored, so ties and levels come out the same as in the
// program's earlier releases. The weight r is itself a single-precision
// value, rounded before it is used.
//
// Methods 3 to 7 apply the same formula to similarities and distances: the
// sign of the centroid corrections does not depend on the kind of measure.
// Minimum Variance gives Ward's sums of squares only on squared distances.

#include <cstdint>

#include "cluster/linkage_method.h"

namespace tw {

// The rule for one linkage: everything that does not depend on k.
struct UpdateRule {
    LinkageMethod method = LinkageMethod::UPGMA;
    bool distance = false;  // true when smaller values are closer
    float s = 0.0f;         // the joining value
    std::int32_t ni = 1;    // size of the i cluster before the merge
    std::int32_t nj = 1;    // size of the j cluster before the merge
    float r = 1.0f;         // 1 / (ni + nj) in single precision (methods 5, 6)

    // The new resemblance of k (nk stations) to the merged cluster.
    float apply(float a, float b, std::int32_t nk) const;
};

// Prepares the rule once per linkage; cluster sizes are 32-bit so that large
// data sets cannot overflow them.
UpdateRule make_update_rule(LinkageMethod method, bool distance, float s, std::int32_t ni,
                            std::int32_t nj);

}  // namespace tw
