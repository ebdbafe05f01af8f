#include "cli/import_arguments.h"

#include <stdexcept>

#include "cli/table_options.h"

namespace tw::cli {

std::string import_help() {
    return "Usage: tarnwick-import [options] TABLE OUT\n"
           "\n"
           "Reads a species table (comma-, semicolon- or tab-separated text, or an .xlsx\n"
           "or .ods workbook) and writes it as a TARNWICK data file OUT. The table is\n"
           "never changed. What is not given is detected from the table.\n"
           "\n"
           "Options:\n" +
           table_options_usage(29) +
           "  --help                     show this help and stop\n"
           "  --version                  show the version and stop\n"
           "\n"
           "Exit status (the same for every TARNWICK tool): 0 the data file was written;\n"
           "2 the command line is wrong; 3 the table cannot be read or was refused (the\n"
           "message names the cell); 5 the data file could not be written.\n";
}

namespace {

// Consumes args[i], a table option written "--name", "--name=value" or
// "--name value"; returns the index of the next argument.
std::size_t take_table_option(import::ImportOptions& o, const std::vector<std::string>& args,
                              std::size_t i) {
    const std::string word = args[i].substr(2);
    const std::size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    const TableOption* option = find_table_option(name);
    if (!option) throw std::invalid_argument("unknown option '" + args[i] + "'; see --help");
    if (!option->value_name) {
        if (eq != std::string::npos) throw std::invalid_argument("--" + name + " takes no value");
        option->set(o, {});
        return i + 1;
    }
    if (eq != std::string::npos) {
        option->set(o, word.substr(eq + 1));
        return i + 1;
    }
    if (i + 1 >= args.size()) throw std::invalid_argument("--" + name + " needs a value");
    option->set(o, args[i + 1]);
    return i + 2;
}

}  // namespace

ImportCommand parse_import_arguments(const std::vector<std::string>& args) {
    ImportCommand cmd;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size();) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cmd.help = true;
            ++i;
        } else if (a == "--version") {
            cmd.version = true;
            ++i;
        } else if (a == "--") {
            files.insert(files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         args.end());
            break;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            i = take_table_option(cmd.options, args, i);
        } else if (a.size() > 1 && a[0] == '-') {
            throw std::invalid_argument("unknown option '" + a + "'; see --help");
        } else {
            files.push_back(a);
            ++i;
        }
    }
    if (cmd.help || cmd.version) return cmd;
    if (files.size() != 2) {
        throw std::invalid_argument(
            "give the table to read and the data file to write: "
            "tarnwick-import [options] TABLE OUT; see --help");
    }
    cmd.table = files[0];
    cmd.out = files[1];
    return cmd;
}

}  // namespace tw::cli
