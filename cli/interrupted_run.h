#pragma once
// A batch run or an import stopped from outside (Ctrl+C: SIGINT; a job manager: SIGTERM)
// leaves no staged file behind: the handler removes every temporary copy
// still in the folder, says in one line which outputs were not written, and
// ends the process with status 128 + the signal's number (130, 143). The
// outputs already put in place stay; none is ever half written under its
// real name, since only a complete temporary copy is renamed.

#include <string>

namespace tw::batch {

// Installs the handlers for SIGINT and SIGTERM. `terminal`: standard error
// is a terminal, where a progress bar may be half drawn. `program` starts
// the line the handler writes (a string that lives as long as the process).
void remove_staged_files_on_interrupt(bool terminal, const char* program = "tarnwick-batch");

// The staged files the handler knows of. A registration returns its slot,
// or -1 when every slot is taken (the file is then not removed on an
// interrupt). Called only from the thread that runs the batch run.
int register_staged_file(const std::string& temporary, const std::string& name);
void unregister_staged_file(int slot);

}  // namespace tw::batch
