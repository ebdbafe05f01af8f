#pragma once
// What every tool of the program tells the shell when it ends: one code per
// kind of ending, the same in tarnwick-batch, tarnwick-import and
// tarnwick-drive, so that a script over many files can tell a bad file from a
// bad command line whichever tool it calls. docs/user/command_line.md lists
// them for users.

namespace tw {

enum class ExitStatus {
    Done = 0,
    Internal = 1,     // the program stopped itself on an inconsistency
    Usage = 2,        // the command line, or a line of a script, cannot be used
    DataRefused = 3,  // a data file or table cannot be read or is refused, or --check found faults
    StoppedAtWarning = 4,  // a warning question was not answered Yes (see --yes)
    OutputFailed = 5,      // an output file cannot be created or written
    // Endings of a scripted session (tarnwick-drive) alone.
    Unanswered = 6,         // a message box had no answer, or not one it offers
    ControlUnusable = 7,    // a control the user could not use: closed, hidden, disabled, ended
    ExpectationFailed = 8,  // an expect- line was false
};

constexpr int exit_status(ExitStatus status) {
    return static_cast<int>(status);
}

}  // namespace tw
