#pragma once
// The options that say how a species table is read, shared by tarnwick-import
// and tarnwick-batch (which reads a table given as DATA the same way): one
// table of names, values and help lines that both parsers and both usage
// texts read, so the two tools cannot drift apart.

#include <span>
#include <string>

#include "import/import_options.h"

namespace tw::cli {

struct TableOption {
    const char* name;        // without the leading "--"
    const char* value_name;  // as the usage text shows it; nullptr for a switch
    const char* help;        // lines separated by '\n'
    // Throws std::invalid_argument with a message for the user.
    void (*set)(import::ImportOptions&, const std::string& value);
};

std::span<const TableOption> table_options();

// The entry called `name` (without "--"), or nullptr.
const TableOption* find_table_option(const std::string& name);

// One usage line (or more) per option: "  --name VALUE" padded to `column`,
// then its help, continued lines indented to the same column.
std::string table_options_usage(std::size_t column);

}  // namespace tw::cli
