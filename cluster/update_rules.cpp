#include "cluster/update_rules.h"

namespace tw {

UpdateRule make_update_rule(LinkageMethod method, bool distance, float s, std::int32_t ni,
                            std::int32_t nj) {
    UpdateRule rule;
    rule.method = method;
    rule.distance = distance;
    rule.s = s;
    rule.ni = ni;
    rule.nj = nj;
    rule.r = update_detail::reciprocal(std::int64_t{ni} + nj);
    return rule;
}

}  // namespace tw
