#pragma once
// The windows program's own command line: --help and --version answered
// before any window exists (so that they work without a display), and at
// most one data file or table to start with, as a file manager passes it.

#include <optional>
#include <string>
#include <vector>

namespace tw::ui {

struct ProgramArguments {
    std::optional<int> exit_now;  // set when the arguments were answered or refused
    std::string start_file;       // the file to put in the options window ("" for none)
};

// Reads the arguments after the program name, printing the help, the
// version or what is wrong.
ProgramArguments read_program_arguments(const std::vector<std::string>& args);

}  // namespace tw::ui
