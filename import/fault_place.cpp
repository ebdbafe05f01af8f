#include "import/fault_place.h"

#include <cctype>
#include <string>

namespace tw::import {

namespace {

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool upper(char c) {
    return c >= 'A' && c <= 'Z';
}

// The number at `at`, moving `at` past it; 0 when there is none.
int number_at(std::string_view s, std::size_t& at) {
    int n = 0;
    const std::size_t start = at;
    while (at < s.size() && digit(s[at]) && n < 100000000) n = n * 10 + (s[at++] - '0');
    return at > start ? n : 0;
}

// "ine N" or "ow N", optionally followed by ", column M".
FaultPlace line_and_column(std::string_view s, std::size_t after_word) {
    FaultPlace place;
    std::size_t at = after_word;
    place.row = number_at(s, at);
    if (place.row == 0) return {};
    constexpr std::string_view kColumn = ", column ";
    if (s.substr(at, kColumn.size()) == kColumn) {
        at += kColumn.size();
        place.column = number_at(s, at);
    }
    return place;
}

// "cell C7": column letters, then the row.
FaultPlace cell(std::string_view s, std::size_t at) {
    int column = 0;
    const std::size_t start = at;
    while (at < s.size() && upper(s[at]) && at - start < 4)
        column = column * 26 + (s[at++] - 'A' + 1);
    if (column == 0) return {};
    const int row = number_at(s, at);
    return row > 0 ? FaultPlace{row, column} : FaultPlace{};
}

}  // namespace

FaultPlace fault_place(std::string_view message) {
    for (std::string_view word : {"Line ", "line ", "Row ", "row ", "Cell ", "cell "}) {
        for (std::size_t at = message.find(word); at != std::string_view::npos;
             at = message.find(word, at + 1)) {
            const std::size_t after = at + word.size();
            const FaultPlace place = (word[0] == 'C' || word[0] == 'c')
                                         ? cell(message, after)
                                         : line_and_column(message, after);
            if (place.row > 0) return place;
        }
    }
    return {};
}

}  // namespace tw::import
