#pragma once
// Whole runs of the programs for the batch tests: tarnwick-batch and
// tarnwick-drive started as a user would start them, each in a folder of its
// own, since both write CLUSTER.LST and SIGLIST.TXT in the current folder.

#include <string>
#include <vector>

namespace tw::test {

struct Ran {
    int status = -1;  // the exit status
    std::string out;  // standard output
    std::string err;  // standard error
};

// An empty folder for this test, under the temporary folder.
std::string fresh_folder(const std::string& name);

// tarnwick-batch ARGS, run in `folder`, with standard input closed.
Ran run_batch(const std::string& folder, const std::vector<std::string>& args);

// True when tarnwick-drive was built (the windows are optional).
bool have_windows();
// Runs FOLDER/script.drive with tarnwick-drive in each folder, several at a
// time (a session mostly waits for its windows); returns the folders whose
// session did not end with status 0, with their output.
std::vector<std::string> run_window_scripts(const std::vector<std::string>& folders);

// A file's bytes ("" when it does not exist).
std::string file_in(const std::string& folder, const std::string& name);
bool exists_in(const std::string& folder, const std::string& name);

}  // namespace tw::test
