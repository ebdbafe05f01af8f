#pragma once
// The SHA-256 checksum of a file, so that a record of a run names exactly
// the data it was made from.

#include <optional>
#include <string>

namespace tw {

// Lower-case hexadecimal, or nothing when the file cannot be read.
std::optional<std::string> file_sha256(const std::string& path);

}  // namespace tw
