#pragma once
// How an import is refused: one exception whose message names the cell (or
// the line) and what was found there, in words a user can act on.

#include <stdexcept>
#include <string>

namespace tw::import {

class ImportError : public std::runtime_error {
  public:
    explicit ImportError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tw::import
