#pragma once
// The Yes/No question every stage uses when data look unsound.

#include <string>

#include "run/host.h"

namespace tw {

// Title: the warning name followed directly by " Do you want to continue?".
// "No" ends the program (throws ProgramEnd); "Yes" returns.
void ask_to_continue(Host& host, const std::string& warning_name, const std::string& prompt);

// The title of such a question.
inline std::string continue_title(const std::string& warning_name) {
    return warning_name + " Do you want to continue?";
}

}  // namespace tw
