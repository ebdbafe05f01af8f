#pragma once
// What tarnwick-batch tells the shell: one code per kind of ending, so that a
// script over many data files can tell a bad file from a bad command line.

namespace tw::batch {

enum class ExitCode {
    Done = 0,
    Internal = 1,          // the program stopped itself on an inconsistency
    Usage = 2,             // the command line cannot be used
    DataRefused = 3,       // the data file cannot be read or analysed, or --check found faults
    StoppedAtWarning = 4,  // a warning question was not answered Yes (see --yes)
    OutputFailed = 5,      // an output file cannot be created or written
};

inline int exit_status(ExitCode code) {
    return static_cast<int>(code);
}

}  // namespace tw::batch
