#include "bootstrap/test_settings.h"

#include <cctype>

#include "run/link_result.h"
#include "run/number_format.h"

namespace tw {

TestSettings read_test_settings(const RunContext& ctx) {
    TestSettings s;
    // NumBoot was read from "Number of bootstrap samples to use:" by the run
    // driver when it wrote the report header; the test uses that same count.
    s.num_boot = ctx.NumBoot;
    s.alpha_text = ctx.settings.alpha_text;
    s.alpha = alpha_level(s.alpha_text);
    return s;
}

bool has_leading_number(const std::string& text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && s[i] == '.') ++i;
    return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) != 0;
}

std::optional<std::string> settings_problem(const TestSettings& s) {
    if (s.num_boot < 1) {
        return "The number of bootstrap samples is " + integer_text(s.num_boot) +
               ". Each linkage needs at least 1 bootstrap sample: enter a whole number of 1 or "
               "more in \"Number of bootstrap samples to use:\" and run the analysis again.";
    }
    return alpha_problem(s.alpha_text);
}

std::optional<std::string> alpha_problem(const std::string& alpha_text) {
    if (has_leading_number(alpha_text)) return std::nullopt;
    return "The alpha rejection level \"" + alpha_text +
           "\" is not a number. Enter a level such as 0.05 in \"Alpha Rejection Level:\" and run "
           "the analysis again.";
}

}  // namespace tw
