#pragma once
// Where printed text ends up: a file, the report window, the message area.

#include <string_view>

namespace tw {

class TextTarget {
  public:
    virtual ~TextTarget() = default;
    // Text arrives exactly as printed, line ends as "\r\n".
    virtual void write(std::string_view text) = 0;
    // Erase everything shown (picture boxes); files ignore it.
    virtual void clear() {}
    // Make everything written so far durable (files flush; screens repaint).
    virtual void flush() {}
};

}  // namespace tw
