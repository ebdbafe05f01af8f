#include "run/free_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "run/outcome.h"

namespace tw {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The parts of a decimal number's text, when the whole text is one.
struct DecimalText {
    bool negative = false;
    std::string_view body;     // without the sign
    bool grows_large = false;  // magnitude at least 1 (for out-of-range results)
};

bool split_decimal(std::string_view t, DecimalText& d) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) d.negative = t[i++] == '-';
    const std::size_t start = i;
    long whole_digits = 0;   // significant digits before the point
    long leading_zeros = 0;  // zeros after the point before the first significant digit
    bool significant = false;
    std::size_t digits = 0;
    while (i < t.size() && is_digit(t[i])) {
        if (t[i] != '0') significant = true;
        if (significant) ++whole_digits;
        ++i, ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && is_digit(t[i])) {
            if (t[i] != '0') significant = true;
            if (!significant) ++leading_zeros;
            ++i, ++digits;
        }
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool exp_negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) exp_negative = t[i++] == '-';
        if (i == t.size() || !is_digit(t[i])) return false;
        while (i < t.size() && is_digit(t[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (t[i] - '0');
            ++i;
        }
        if (exp_negative) exponent = -exponent;
    }
    if (i != t.size()) return false;
    d.body = t.substr(start);
    const long magnitude =
        whole_digits > 0 ? whole_digits - 1 + exponent : exponent - leading_zeros - 1;
    d.grows_large = significant && magnitude >= 0;
    return true;
}

template <class T>
T parse_decimal(std::string_view text) {
    DecimalText d;
    if (!split_decimal(text, d)) return T{0};
    T value{};
    const auto r = std::from_chars(d.body.data(), d.body.data() + d.body.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        value = d.grows_large ? std::numeric_limits<T>::infinity() : T{0};
    }
    return d.negative ? -value : value;
}

}  // namespace

double item_number(std::string_view text) {
    return parse_decimal<double>(text);
}
float item_single(std::string_view text) {
    return parse_decimal<float>(text);
}

FreeFormat::FreeFormat(std::string text, std::string file_name)
    : text_(std::move(text)), file_name_(std::move(file_name)) {
    // Editors on Windows may start a UTF-8 file with a byte-order mark; it is
    // not part of the title.
    if (text_.rfind("\xEF\xBB\xBF", 0) == 0) pos_ = 3;
}

void FreeFormat::skip_line_end() {
    if (peek() == '\r') {
        ++pos_;
        if (!at_end() && peek() == '\n') ++pos_;
    } else {
        ++pos_;
    }
    ++line_;
}

void FreeFormat::skip_blanks() {
    while (!at_end() && is_blank(peek())) ++pos_;
}

void FreeFormat::skip_separators() {
    for (;;) {
        skip_blanks();
        if (!at_line_end()) return;
        skip_line_end();
    }
}

void FreeFormat::ended(std::string_view what) const {
    int last = line_;
    if (!text_.empty() && is_line_end(text_.back()) && last > 1) --last;
    throw RunError("Data File Error",
                   "The data file \"" + file_name_ + "\" ends at line " + std::to_string(last) +
                       " before all items were read: " + std::string(what) + " is missing.");
}

int FreeFormat::next_item_line() {
    skip_separators();  // what the next item would skip anyway
    return at_end() ? 0 : line_;
}

std::string FreeFormat::line_text(int line) const {
    std::size_t start = 0;
    for (int at = 1; at < line && start < text_.size(); ++at) {
        const std::size_t end = text_.find_first_of("\r\n", start);
        if (end == std::string::npos) return {};
        start = end + 1;
        if (text_[end] == '\r' && start < text_.size() && text_[start] == '\n') ++start;
    }
    const std::size_t end = text_.find_first_of("\r\n", start);
    return text_.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool FreeFormat::has_item() {
    skip_separators();
    return !at_end();
}

void FreeFormat::begin_item(std::string_view what) {
    skip_separators();
    if (at_end()) ended(what);
    item_line_ = line_;
}

// A closing quote is looked for on the item's own line only: a label whose
// closing quote is missing would otherwise swallow the following lines and
// shift every later item, which the user could not trace back.
std::string FreeFormat::quoted_rest() {
    const std::size_t start = pos_;
    while (!at_end() && peek() != '"' && !at_line_end()) ++pos_;
    if (at_end() || peek() != '"') {
        throw RunError("Data File Error", "Line " + std::to_string(item_line_) +
                                              " of the data file \"" + file_name_ +
                                              "\": a text item has no closing double quote.");
    }
    std::string value = text_.substr(start, pos_ - start);
    ++pos_;
    skip_blanks();
    if (!at_end() && peek() == ',') ++pos_;
    return value;
}

// Trailing blanks are dropped: they cannot be seen in the file and a label
// that kept them would not match the same label typed elsewhere.
std::string FreeFormat::unquoted_text() {
    const std::size_t start = pos_;
    while (!at_end() && peek() != ',' && !is_line_end(peek())) ++pos_;
    std::string value = text_.substr(start, pos_ - start);
    if (!at_end() && peek() == ',') ++pos_;
    while (!value.empty() && is_blank(value.back())) value.pop_back();
    return value;
}

// Blanks between a number and its comma are passed over with the comma, so
// that "12 , 25" reads as two numbers and not as 12, 0 and 25.
std::string FreeFormat::numeric_text() {
    const std::size_t start = pos_;
    while (!at_end() && peek() != ',' && !is_blank(peek()) && !is_line_end(peek())) ++pos_;
    std::string value = text_.substr(start, pos_ - start);
    skip_blanks();
    if (!at_end() && peek() == ',') ++pos_;
    return value;
}

std::string FreeFormat::text_item(std::string_view what) {
    begin_item(what);
    if (peek() == '"') {
        ++pos_;
        return quoted_rest();
    }
    return unquoted_text();
}

float FreeFormat::single_item(std::string_view what) {
    begin_item(what);
    return item_single(numeric_text());
}

double FreeFormat::number_item(std::string_view what) {
    begin_item(what);
    return item_number(numeric_text());
}

}  // namespace tw
