// Line 2: the number of stations and the number of species, two whole
// numbers separated by blanks or by one comma.

#include <limits>

#include "datacheck/line_characters.h"
#include "datacheck/line_states.h"

namespace tw {

namespace {

constexpr const char* kRowsColumnsLine = "error on number of rows & columns line";

// The species count is a 16-bit number; a larger one cannot be analysed, so
// it is reported here rather than wrapping to a different count.
std::int16_t column_count(CheckCursor& cursor, const std::string& digits) {
    const std::int32_t value = digits_value(digits);
    if (value > std::numeric_limits<std::int16_t>::max()) {
        cursor.fault(kRowsColumnsLine, "the number of columns is larger than 32767");
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(value);
}

}  // namespace

void check_rows_columns_line(CheckCursor& cursor) {
    DataCheckState& s = cursor.state();
    s.DeclaredRows = 0;
    s.DeclaredColumns = 0;
    std::string first;
    std::string second;
    // A comma or a blank closes the first number once it has digits.
    auto end_first_number = [&] {
        if (!first.empty() && s.DeclaredRows == 0) s.DeclaredRows = digits_value(first);
    };

    for (std::int32_t pos = 1; pos <= s.LineLength; ++pos) {
        cursor.show_char(pos);
        const std::string& c = s.CurrentChar;
        if (c == "\"") cursor.fault(kRowsColumnsLine, "1st character is a quote");
        if (is_decimal_digit(c)) {
            (s.DeclaredRows == 0 ? first : second) += c;
            if (pos == s.LineLength) s.DeclaredColumns = column_count(cursor, second);
        } else if (c == ",") {
            if (!first.empty() && pos != 1 && (second.empty() || s.DeclaredRows < 1)) {
                end_first_number();
            } else {
                cursor.fault(kRowsColumnsLine, "comma before 1st number or after second number");
            }
        } else if (c == " ") {
            end_first_number();
        } else if (c == "\t") {
            cursor.fault(kRowsColumnsLine,
                         "Non-numeric character among numbers: TAB -- convert all tab "
                         "characters to spaces");
        } else {
            cursor.fault(kRowsColumnsLine, "Non-numeric character among numbers: " + c);
        }
    }
    cursor.end_scan();
    cursor.read_line();
}

}  // namespace tw
