#pragma once
// Input files for tests, written to a fresh temporary folder per test.

#include <string>

namespace tw::test {

// Writes `contents` byte for byte to a file in this test's own temporary
// folder and returns its path.
std::string write_input_file(const std::string& name, const std::string& contents);

// A file's bytes exactly as they are on disk ("" when it cannot be read).
std::string bytes_of(const std::string& path);

// The bundled examples/ folder.
std::string examples_dir();

}  // namespace tw::test
