#pragma once
// Writing a file that another program will read, whole or not at all: the
// bytes go to a temporary name in the same folder, which is renamed to the
// real name only once everything has been written. A failed write leaves
// the folder as it was, with any older file of that name untouched.

#include <string>
#include <string_view>

namespace tw {

// True when `path` now holds exactly `bytes`.
bool write_whole_file(const std::string& path, std::string_view bytes);

}  // namespace tw
