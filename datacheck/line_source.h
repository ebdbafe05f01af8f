#pragma once
// The input data file read line by line, for reading only.

#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace tw {

class LineSource {
  public:
    // Null when the file cannot be opened for reading (missing, a folder,
    // no permission).
    static std::unique_ptr<LineSource> open(const std::string& path);

    // The next line without its line end, or nothing when the file is at its
    // end. A line ends at CR LF, at LF or at a lone CR, so files written on
    // any system read alike; a last line without a line end is still a line.
    // A line that is not valid UTF-8 comes back read as Windows-1252.
    std::optional<std::string> next_line();

    // Nothing is left to read.
    bool at_end();

  private:
    explicit LineSource(std::ifstream in) : in_(std::move(in)) {}
    std::ifstream in_;
};

}  // namespace tw
