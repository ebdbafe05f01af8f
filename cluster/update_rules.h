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
#include <type_traits>

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
};

// Prepares the rule once per linkage; cluster sizes are 32-bit so that large
// data sets cannot overflow them.
UpdateRule make_update_rule(LinkageMethod method, bool distance, float s, std::int32_t ni,
                            std::int32_t nj);

namespace update_detail {

using Wide = long double;  // the extended precision of the intermediate arithmetic

inline float reciprocal(std::int64_t count) {
    return static_cast<float>(1.0L / static_cast<Wide>(count));
}

}  // namespace update_detail

// The new resemblance of k (nk stations) to the merged cluster, for a method
// fixed when the program is compiled, so that a loop over every cluster k
// carries no choice of formula.
template <LinkageMethod M>
float apply_rule(const UpdateRule& rule, float a, float b, std::int32_t nk) {
    using update_detail::Wide;
    const Wide wa = a, wb = b, ws = rule.s, wni = rule.ni, wnj = rule.nj, wnk = nk;
    if constexpr (M == LinkageMethod::Single) {
        if (rule.distance) return a < b ? a : b;
        return a > b ? a : b;
    } else if constexpr (M == LinkageMethod::Complete) {
        if (rule.distance) return a > b ? a : b;
        return a < b ? a : b;
    } else if constexpr (M == LinkageMethod::WPGMA) {
        return static_cast<float>((wa + wb) * 0.5L);
    } else if constexpr (M == LinkageMethod::WPGMCentroid) {
        return static_cast<float>((wa + wb) * 0.5L - ws * 0.25L);
    } else if constexpr (M == LinkageMethod::UPGMA) {
        return static_cast<float>((wni * wa + wnj * wb) * Wide{rule.r});
    } else if constexpr (M == LinkageMethod::UPGMCentroid) {
        return static_cast<float>(((wni * wa + wnj * wb) - wni * wnj * Wide{rule.r} * ws) *
                                  Wide{rule.r});
    } else {
        static_assert(M == LinkageMethod::MinimumVariance);
        const Wide r3 = update_detail::reciprocal(std::int64_t{rule.ni} + rule.nj + nk);
        return static_cast<float>(((wni + wnk) * wa + (wnj + wnk) * wb - wnk * ws) * r3);
    }
}

// Calls f(std::integral_constant<LinkageMethod, M>{}) for the rule's method;
// a method outside 1..7 is taken as UPGMA.
template <class F>
decltype(auto) with_method(LinkageMethod method, F&& f) {
    switch (method) {
        case LinkageMethod::Single:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::Single>{});
        case LinkageMethod::Complete:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::Complete>{});
        case LinkageMethod::WPGMA:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::WPGMA>{});
        case LinkageMethod::WPGMCentroid:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::WPGMCentroid>{});
        case LinkageMethod::UPGMCentroid:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::UPGMCentroid>{});
        case LinkageMethod::MinimumVariance:
            return f(std::integral_constant<LinkageMethod, LinkageMethod::MinimumVariance>{});
        case LinkageMethod::UPGMA:
            break;
    }
    return f(std::integral_constant<LinkageMethod, LinkageMethod::UPGMA>{});
}

}  // namespace tw
