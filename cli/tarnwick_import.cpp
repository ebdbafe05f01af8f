// tarnwick-import: reads a species table or workbook and writes the
// program's data file. Messages go to standard error; see --help.

#include <iostream>
#include <stdexcept>

#include <unistd.h>

#include "cli/import_arguments.h"
#include "cli/interrupted_run.h"
#include "import/group_names_file.h"
#include "import/import_error.h"
#include "import/table_import.h"
#include "import/workbook/chosen_file.h"
#include "run/exit_status.h"
#include "run/group_names.h"

namespace {

using tw::ExitStatus;
constexpr int kWritten = tw::exit_status(ExitStatus::Done);
constexpr int kRefused = tw::exit_status(ExitStatus::DataRefused);
constexpr int kUsage = tw::exit_status(ExitStatus::Usage);
constexpr int kNotWritten = tw::exit_status(ExitStatus::OutputFailed);

int run(const tw::cli::ImportCommand& cmd) {
    const auto imported = tw::import::import_chosen_file(tw::import::open_chosen_file(cmd.table),
                                                         cmd.options, "with --sheet");
    if (!imported.summary.orientation_known) {
        std::cerr << "tarnwick-import: the table does not show whether its stations are the rows "
                     "or the columns; say which with --stations-as-rows or "
                     "--stations-as-columns.\n";
        return kRefused;
    }
    // The data file and the names beside it are written as ".part" copies
    // and renamed into place: an interrupt meanwhile removes the copy.
    const std::string names = tw::group_names_path(cmd.out);
    const int slots[] = {tw::batch::register_staged_file(cmd.out + ".part", cmd.out),
                         tw::batch::register_staged_file(names + ".part", names)};
    try {
        tw::import::save_imported_table(cmd.out, imported, cmd.table);
    } catch (const tw::import::ImportError& e) {
        std::cerr << "tarnwick-import: " << e.what() << "\n";
        return kNotWritten;
    }
    for (const int slot : slots) tw::batch::unregister_staged_file(slot);
    std::cerr << "Wrote " << cmd.out << ": " << tw::import::counts_text(imported.summary) << ".\n";
    for (const auto& note : tw::import::import_notes(imported.summary)) std::cerr << note << "\n";
    return kWritten;
}

}  // namespace

int main(int argc, char** argv) {
    tw::cli::ImportCommand cmd;
    try {
        cmd = tw::cli::parse_import_arguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::cerr << "tarnwick-import: " << e.what() << "\n";
        return kUsage;
    }
    if (cmd.help) {
        std::cout << tw::cli::import_help();
        return kWritten;
    }
    if (cmd.version) {
        std::cout << "tarnwick-import (TARNWICK) " << TARNWICK_VERSION << "\n";
        return kWritten;
    }
    tw::batch::remove_staged_files_on_interrupt(isatty(STDERR_FILENO) != 0, "tarnwick-import");
    try {
        return run(cmd);
    } catch (const tw::import::ImportError& e) {
        std::cerr << "tarnwick-import: " << e.what() << "\n";
        return kRefused;
    }
}
