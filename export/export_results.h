#pragma once
// "Export...": the results of a finished run in five files that R, Python
// and tree viewers read, named from one prefix:
//   PREFIX.nwk          the observed hierarchy (Newick)
//   PREFIX.members.csv  every station with its group and cluster
//   PREFIX.results.csv  every linkage with its test
//   PREFIX.linkage.csv  the hierarchy as scipy's linkage matrix
//   PREFIX.run.json     how the results were made
// Each file is written whole or not at all. The files that cannot be
// written are named in one message; the others are written all the same,
// and nothing of the run (its report, its windows) is touched.

#include <chrono>
#include <string>
#include <vector>

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

struct ExportFile {
    std::string path;
    std::string bytes;
};

// The five files for `prefix`, in the order above.
std::vector<ExportFile> export_files(const RunContext& ctx, const std::string& prefix,
                                     std::chrono::system_clock::time_point made);

// Writes the five files. Completed when all were written, Failed when one
// or more could not be (the message has been shown).
Outcome export_results(RunContext& ctx, Host& host, const std::string& prefix,
                       std::chrono::system_clock::time_point made);

// The five files' names for `prefix`, in the order above.
std::vector<std::string> export_file_names(const std::string& prefix);

// The prefix a user means by a name chosen in a save dialog: a name ending
// in one of the five files' endings loses that ending.
std::string export_prefix(const std::string& chosen);

}  // namespace tw
