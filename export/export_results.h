#pragma once
// "Export...": the results of a finished run in files that R, Python and
// tree viewers read, named from one prefix; export_table() lists them
// (PREFIX.nwk, PREFIX.members.csv, PREFIX.results.csv, PREFIX.linkage.csv,
// PREFIX.run.json, and PREFIX.simper.csv and PREFIX.indicators.csv when the
// run's clusters were explained), then PREFIX.ordination.csv when the run
// was ordinated (the objects' places; the record of the run says how). Each file is written whole
// or not at all. The files that cannot be written are named in one message; the others are written
// all the same, and nothing of the run (its report, its windows) is touched.

#include <chrono>
#include <span>
#include <string>
#include <vector>

#include "export/level_conversion.h"
#include "ordination/run_ordination.h"
#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

struct ExportFile {
    std::string path;
    std::string bytes;
};

// What every export writer reads: the finished run, how its levels become
// heights, and when the results were made.
struct ExportInputs {
    const RunContext& ctx;
    const LevelConversion& conversion;
    std::chrono::system_clock::time_point made;
    const RunOrdination* ordination = nullptr;  // when the run was ordinated
};

// One kind of export file: its ending after the prefix, what it holds (the
// usage texts list it) and its writer.
struct ExportKind {
    const char* ending;
    const char* holds;
    std::string (*write)(const ExportInputs&);
    // Whether the run has what the file holds; none: every run has.
    bool (*present)(const RunContext&) = nullptr;
};

// Every export file, in the order they are written.
std::span<const ExportKind> export_table();

// The files for `prefix`, in the order of the table.
std::vector<ExportFile> export_files(const RunContext& ctx, const std::string& prefix,
                                     std::chrono::system_clock::time_point made,
                                     const RunOrdination* ordination = nullptr);

// Writes the files. Completed when all were written, Failed when one
// or more could not be (the message has been shown).
Outcome export_results(RunContext& ctx, Host& host, const std::string& prefix,
                       std::chrono::system_clock::time_point made,
                       const RunOrdination* ordination = nullptr);

// The prefix a user means by a name chosen in a save dialog: a name ending
// in one of the files' endings loses that ending.
std::string export_prefix(const std::string& chosen);

}  // namespace tw
