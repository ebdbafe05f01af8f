#include "ui/program_arguments.h"

#include <iostream>

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "unknown"
#endif

namespace tw::ui {

namespace {

const char* const kUsage =
    "Usage: tarnwick [FILE]\n"
    "\n"
    "Opens the TARNWICK windows: hierarchical classification of sampling stations\n"
    "from a table of species abundances, with a bootstrap or similarity profile\n"
    "test of every linkage. The windows lead through one run: the data options,\n"
    "the optional format check of the data file, the resemblance measure and\n"
    "linkage method, the dendrogram and the results.\n"
    "\n"
    "FILE, when given, is the data file the options window starts with; a table\n"
    "(CSV, TSV, .xlsx or .ods) is imported first, as when it is chosen in the\n"
    "window.\n"
    "\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "For runs without windows see tarnwick-batch(1); to turn a table into a data\n"
    "file see tarnwick-import(1).\n"
    "\n"
    "Exit status: 0 when the program was ended from its windows, 2 for a wrong\n"
    "command line.\n";

}  // namespace

ProgramArguments read_program_arguments(const std::vector<std::string>& args) {
    ProgramArguments read;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            read.exit_now = 0;
            return read;
        }
        if (a == "--version") {
            std::cout << "tarnwick (TARNWICK) " TARNWICK_VERSION "\n";
            read.exit_now = 0;
            return read;
        }
    }
    for (const std::string& a : args) {
        if (a.size() > 1 && a[0] == '-') {
            std::cerr << "tarnwick: unknown option '" << a << "'\nTry 'tarnwick --help'.\n";
            read.exit_now = 2;
            return read;
        }
        if (!read.start_file.empty()) {
            std::cerr << "tarnwick: one file at a time, not '" << read.start_file << "' and '" << a
                      << "'\n";
            read.exit_now = 2;
            return read;
        }
        read.start_file = a;
    }
    return read;
}

}  // namespace tw::ui
