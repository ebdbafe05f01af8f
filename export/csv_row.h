#pragma once
// CSV rows as RFC 4180 writes them, so that R's read.csv and Python's csv
// module read them without options: comma separators, CR LF line ends, and
// a field holding a comma, a double quote or a line break in double quotes
// with its inner quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace tw {

std::string csv_field(std::string_view text);

// The fields joined by commas, ended by CR LF.
std::string csv_row(const std::vector<std::string>& fields);

}  // namespace tw
