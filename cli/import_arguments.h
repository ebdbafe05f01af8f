#pragma once
// The command line of tarnwick-import, parsed into the import options the
// dialog fills too; the table options are those of cli/table_options.h.

#include <string>
#include <vector>

#include "import/import_options.h"

namespace tw::cli {

struct ImportCommand {
    import::ImportOptions options;
    std::string table;
    std::string out;
    bool help = false;
    bool version = false;
};

// Throws std::invalid_argument with a message for the user.
ImportCommand parse_import_arguments(const std::vector<std::string>& args);

// What --help prints.
std::string import_help();

}  // namespace tw::cli
