#pragma once
// Lance-Williams style updates: the resemblance of a cluster k to the cluster
// formed by joining i and j, from a = d(k, i), b = d(k, j) and the joining
// value s = d(i, j) (Lance & Williams 1967, "A general theory of
// classificatory sorting strategies").
//
// Every rule reads and returns single-precision values; the arithmetic in
// between is done in double precision, named so on every processor and
// compiler, and rounded once to single precision when the result is stored.
// Double is what the rules need: a level times a cluster size below 2^15 is
// exact in it (24 + 15 of its 53 bits), and so is the sum of two such
// products within 2^14 of each other in magnitude. Otherwise the one double
// rounding is 2^-29 of a single-precision step, and the stored level could
// differ from an exact one only by falling that close to halfway between two
// single-precision values. Levels and ties come out as the program has
// always given them (tests/cluster/test_tied_linkages.cpp pins
// them on data full of ties). The weight r is itself a single-precision
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

using Wide = double;  // the precision of the intermediate arithmetic

inline float reciprocal(std::int64_t count) {
    return static_cast<float>(1.0 / static_cast<Wide>(count));
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
        return static_cast<float>((wa + wb) * 0.5);
    } else if constexpr (M == LinkageMethod::WPGMCentroid) {
        return static_cast<float>((wa + wb) * 0.5 - ws * 0.25);
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
