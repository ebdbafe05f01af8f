#pragma once
// What the fuzz targets share: a scratch data file per fuzzing process, a
// host that answers Yes to every question and remembers whether the program
// ended, and a data-check window that shows nothing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "run/null_host.h"

namespace tw::fuzz {

// The path of this process's scratch file with the extension (removed at
// exit).
std::string scratch_file(const std::string& extension);

// Writes the bytes to the scratch file and returns its path.
std::string write_scratch_file(const std::uint8_t* data, std::size_t size,
                               const std::string& extension = ".txt");

// Stops the fuzzer with a message: an input broke a promise of the code
// under test without crashing it.
[[noreturn]] void fail(const std::string& what);

class YesHost : public NullHost {
  public:
    void end_program() override { ended = true; }
    bool ended = false;
};

}  // namespace tw::fuzz
