#include "cluster/update_rules.h"

namespace tw {

namespace {

using Wide = long double;  // the extended precision of the intermediate arithmetic

float reciprocal(std::int64_t count) {
    return static_cast<float>(1.0L / static_cast<Wide>(count));
}

float closer(float a, float b, bool distance) {
    if (distance) return a < b ? a : b;
    return a > b ? a : b;
}

float farther(float a, float b, bool distance) {
    if (distance) return a > b ? a : b;
    return a < b ? a : b;
}

}  // namespace

UpdateRule make_update_rule(LinkageMethod method, bool distance, float s, std::int32_t ni,
                            std::int32_t nj) {
    UpdateRule rule;
    rule.method = method;
    rule.distance = distance;
    rule.s = s;
    rule.ni = ni;
    rule.nj = nj;
    rule.r = reciprocal(std::int64_t{ni} + nj);
    return rule;
}

float UpdateRule::apply(float a, float b, std::int32_t nk) const {
    const Wide wa = a, wb = b, ws = s, wni = ni, wnj = nj, wnk = nk;
    switch (method) {
        case LinkageMethod::Single:
            return closer(a, b, distance);
        case LinkageMethod::Complete:
            return farther(a, b, distance);
        case LinkageMethod::WPGMA:
            return static_cast<float>((wa + wb) * 0.5L);
        case LinkageMethod::WPGMCentroid:
            return static_cast<float>((wa + wb) * 0.5L - ws * 0.25L);
        case LinkageMethod::UPGMA:
            return static_cast<float>((wni * wa + wnj * wb) * Wide{r});
        case LinkageMethod::UPGMCentroid:
            return static_cast<float>(((wni * wa + wnj * wb) - wni * wnj * Wide{r} * ws) * Wide{r});
        case LinkageMethod::MinimumVariance: {
            const Wide r3 = reciprocal(std::int64_t{ni} + nj + nk);
            return static_cast<float>(((wni + wnk) * wa + (wnj + wnk) * wb - wnk * ws) * r3);
        }
    }
    return static_cast<float>((wni * wa + wnj * wb) * Wide{r});
}

}  // namespace tw
