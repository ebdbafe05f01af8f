#pragma once
// A station line that holds more items than a label and its values: the
// sign of a file the reader would otherwise take apart into a wrong table,
// most often one written with decimal commas ("0,55"), whose every value
// reads as two.

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// Items on one line as the reader separates them: quoted texts, and runs of
// other characters ended by a blank or a comma.
std::int64_t line_item_count(std::string_view line);

// Whether the line holds a number with a decimal comma: a digit, a comma
// and a digit, outside quotes.
bool has_decimal_commas(std::string_view line);

// What is wrong with a station line of `items` items when a label and
// `species` values were expected, for the data-file message.
std::string crowded_line_problem(std::string_view line, std::int64_t items, std::int32_t species);

}  // namespace tw
