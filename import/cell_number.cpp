#include "import/cell_number.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tw::import {

namespace {

bool is_missing(const std::string& t) {
    return t.empty() || t == "NA" || t == "NaN" || t == "nan" || t == "N/A" || t == "n/a" ||
           t == "?" || t == "na";
}

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

struct Decimal {
    bool negative = false;
    std::string digits;  // mantissa digits, point removed
    long point = 0;      // digits before the point
    long exponent = 0;
};

// Sign, digits with at most one point, optional exponent; the whole text.
std::optional<Decimal> parse_decimal(const std::string& t) {
    Decimal d;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) d.negative = t[i++] == '-';
    bool seen_point = false;
    for (; i < t.size() && (digit(t[i]) || (t[i] == '.' && !seen_point)); ++i) {
        if (t[i] == '.') {
            seen_point = true;
            d.point = static_cast<long>(d.digits.size());
        } else {
            d.digits += t[i];
        }
    }
    if (d.digits.empty()) return std::nullopt;
    if (!seen_point) d.point = static_cast<long>(d.digits.size());
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool neg = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
        const std::size_t start = i;
        long e = 0;
        for (; i < t.size() && digit(t[i]); ++i) e = std::min(e * 10 + (t[i] - '0'), 100000L);
        if (i == start) return std::nullopt;
        d.exponent = neg ? -e : e;
    }
    if (i != t.size()) return std::nullopt;
    return d;
}

}  // namespace

std::string plain_decimal(const std::string& digits, long point) {
    std::string whole, fraction;
    const long n = static_cast<long>(digits.size());
    if (point <= 0) {
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= n) {
        whole = digits + std::string(static_cast<std::size_t>(point - n), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (whole.empty()) whole = "0";
    return fraction.empty() ? whole : whole + "." + fraction;
}

CellValue read_cell(const std::string& cell, DecimalMark mark) {
    std::string t = trimmed(cell);
    if (is_missing(t)) return {CellKind::Missing, 0, {}};
    if (mark == DecimalMark::Comma) {
        if (t.find('.') != std::string::npos) return {};
        std::replace(t.begin(), t.end(), ',', '.');
    }
    const auto d = parse_decimal(t);
    if (!d) return {};
    CellValue v{CellKind::Number, 0, {}};
    std::string normal = d->digits.substr(0, static_cast<std::size_t>(d->point)) + "." +
                         d->digits.substr(static_cast<std::size_t>(d->point)) + "e" +
                         std::to_string(d->exponent);
    if (d->negative) normal.insert(normal.begin(), '-');
    if (normal.front() == '.') normal.insert(normal.begin(), '0');
    const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v.value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows to 0 as the run would read it; too large stays
        // infinite so that the caller refuses it.
        v.value = d->exponent < 0 ? 0.0 : std::numeric_limits<double>::infinity();
        if (d->negative) v.value = -v.value;
    }
    if (std::isinf(v.value)) return v;
    // Below the smallest single, the run reads 0 anyway; this keeps the
    // written text short.
    const bool negligible = std::fabs(v.value) < 1e-46;
    v.plain = negligible ? "0" : plain_decimal(d->digits, d->point + d->exponent);
    if (d->negative && v.plain != "0") v.plain.insert(v.plain.begin(), '-');
    return v;
}

DecimalMark detect_decimal_mark(const CellGrid& grid) {
    bool comma = false;
    for (const auto& row : grid.cells) {
        for (const auto& cell : row) {
            const std::string t = trimmed(cell);
            const auto mark = t.find_first_of(".,");
            if (mark == std::string::npos || mark == 0 || mark + 1 >= t.size()) continue;
            if (!digit(t[mark - 1]) || !digit(t[mark + 1])) continue;
            if (read_cell(t, DecimalMark::Point).kind == CellKind::Number)
                return DecimalMark::Point;
            if (read_cell(t, DecimalMark::Comma).kind == CellKind::Number) comma = true;
        }
    }
    return comma ? DecimalMark::Comma : DecimalMark::Point;
}

std::string decimal_mark_name(DecimalMark mark) {
    return mark == DecimalMark::Point ? "point" : "comma";
}

}  // namespace tw::import
