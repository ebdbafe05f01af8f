#include "run/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tw {

namespace {

// Decimal digits (no trailing zeros) and exponent of |value| rounded to 7
// significant digits: value = 0.d1d2d3... x 10^(exponent + 1).
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal seven_digits(double magnitude) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", magnitude);  // d.dddddde+XX
    Decimal d;
    d.digits.push_back(buf[0]);
    for (int i = 2; i < 8; ++i) d.digits.push_back(buf[i]);
    d.exponent = std::atoi(buf + 9);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string fixed_form(const Decimal& d) {
    const int whole = d.exponent + 1;  // digits before the point
    std::string out;
    if (whole <= 0) {
        out = "." + std::string(static_cast<std::size_t>(-whole), '0') + d.digits;
    } else if (static_cast<std::size_t>(whole) >= d.digits.size()) {
        out = d.digits + std::string(static_cast<std::size_t>(whole) - d.digits.size(), '0');
    } else {
        out = d.digits.substr(0, static_cast<std::size_t>(whole)) + "." +
              d.digits.substr(static_cast<std::size_t>(whole));
    }
    return out;
}

std::string exponent_form(const Decimal& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
    char buf[16];
    std::snprintf(buf, sizeof buf, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return out + buf;
}

}  // namespace

std::string single_text(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0f) return "0";
    const Decimal d = seven_digits(std::fabs(static_cast<double>(value)));
    const bool fixed = d.exponent > -5 && d.exponent < 7;
    const std::string body = fixed ? fixed_form(d) : exponent_form(d);
    return value < 0 ? "-" + body : body;
}

std::string integer_text(std::int64_t value) {
    return std::to_string(value);
}

std::string printed_number(float value) {
    const std::string t = single_text(value);
    return (t[0] == '-' ? t : " " + t) + " ";
}

std::string printed_number(std::int64_t value) {
    return (value < 0 ? integer_text(value) : " " + integer_text(value)) + " ";
}

std::string pattern_text(const std::string& pattern, double value) {
    const std::size_t point = pattern.find('.');
    std::size_t end = pattern.find_first_not_of("#0.");
    if (end == std::string::npos) end = pattern.size();
    const std::string suffix = pattern.substr(end);
    const std::string body = pattern.substr(0, end);
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(end - point - 1);
    const std::string whole_part = body.substr(0, point == std::string::npos ? body.size() : point);
    std::size_t min_whole = 0;
    const std::size_t first_zero = whole_part.find('0');
    if (first_zero != std::string::npos) min_whole = whole_part.size() - first_zero;
    if (decimals == 0 && min_whole == 0) min_whole = 1;

    if (std::isnan(value)) return "NaN" + suffix;
    if (std::isinf(value)) return (value < 0 ? "-Inf" : "Inf") + suffix;

    const double scale = std::pow(10.0, decimals);
    const double scaled = std::round(std::fabs(value) * scale);  // halves away from zero
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", scaled);
    std::string digits = buf;
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    const std::string frac = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() < min_whole) whole.insert(0, min_whole - whole.size(), '0');
    std::string out = whole;
    if (decimals > 0) out += "." + frac;
    const bool negative = value < 0 && scaled != 0.0;
    return (negative ? "-" : "") + out + suffix;
}

}  // namespace tw
