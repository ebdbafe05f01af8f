#include "run/link_result.h"

#include <cmath>

#include "run/text_number.h"

namespace tw {

const LinkResult& TestResults::at(std::int32_t link) const {
    static const LinkResult kNotReached{};
    if (link < 1 || static_cast<std::size_t>(link) >= links.size()) return kNotReached;
    return links[static_cast<std::size_t>(link)];
}

float alpha_level(const std::string& alpha_text) {
    return static_cast<float>(leading_number(alpha_text));
}

bool is_significant(double p, float alpha) {
    return 0.0 <= p && p <= static_cast<double>(alpha);
}

double p_standard_error(double p, std::int64_t trials) {
    return trials > 0 ? std::sqrt(p * (1.0 - p) / static_cast<double>(trials)) : 0.0;
}

bool verdict_uncertain(const LinkResult& r, float alpha) {
    if (!was_tested(r.verdict)) return false;
    return std::abs(r.p - static_cast<double>(alpha)) <= 2.0 * r.standard_error;
}

LinkResult tested_link(double p, std::int64_t count, std::int64_t trials, float alpha) {
    LinkResult r;
    r.verdict = is_significant(p, alpha) ? Verdict::Significant : Verdict::NotSignificant;
    r.p = p;
    r.count = count;
    r.trials = trials;
    r.standard_error = p_standard_error(p, trials);
    return r;
}

std::string verdict_symbol(Verdict v, SignificanceTest test) {
    switch (v) {
        case Verdict::Significant:
            return "S";
        case Verdict::NotSignificant:
            return "NS";
        case Verdict::ContainsSignificant:
            return "*";
        case Verdict::TooFewObjects:
        case Verdict::GivenUp:
            return "N/A";
        case Verdict::Stopped:
            return "STOPPED";
        case Verdict::NotReached:
            break;
    }
    return test == SignificanceTest::SimilarityProfile ? "-" : "";
}

std::string test_name(SignificanceTest test) {
    return test == SignificanceTest::SimilarityProfile ? "similarity profile" : "bootstrap";
}

std::string trials_name(SignificanceTest test) {
    return test == SignificanceTest::SimilarityProfile ? "permutations" : "replicates";
}

}  // namespace tw
