#pragma once
// How a stage stops early.
//
// Stages never call exit(): a "No" to a Yes/No question throws ProgramEnd,
// which the entry point turns into the one shutdown path (close every
// channel, Host::end_program). A file that cannot be read or written, or
// data the program cannot hold, throws RunError with a message naming the
// file and line; the entry point closes the run's channels, shows the message
// and leaves the windows usable.

#include <stdexcept>
#include <string>

namespace tw {

struct ProgramEnd {
    std::string reason;  // empty for a plain "No"; else shown before the end
};

class RunError : public std::runtime_error {
  public:
    RunError(std::string title, const std::string& message)
        : std::runtime_error(message), title_(std::move(title)) {}
    const std::string& title() const { return title_; }

  private:
    std::string title_;
};

enum class Outcome {
    Completed,  // the stage ran to its end
    Abandoned,  // the user chose to go back (H/R question answered Yes)
    Failed,     // a RunError was shown; the windows stay usable
    Ended,      // the program has ended
};

}  // namespace tw
