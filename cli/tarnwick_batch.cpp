// tarnwick-batch [OPTIONS] DATA: one whole analysis without windows (see
// batch_usage.cpp for the options and exit codes).

#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_options.h"
#include "cli/batch_run.h"
#include "cli/batch_usage.h"
#include "cli/interrupted_run.h"

int main(int argc, char* argv[]) {
    using namespace tw::batch;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedOptions parsed = parse_batch_options(args);
    if (!parsed.options) {
        std::cerr << "tarnwick-batch: " << parsed.error << "\n"
                  << "Try 'tarnwick-batch --help' for the options.\n";
        return exit_status(ExitCode::Usage);
    }
    const BatchOptions& options = *parsed.options;
    if (options.help) {
        std::cout << usage_text();
        return exit_status(ExitCode::Done);
    }
    if (options.version) {
        std::cout << version_text();
        return exit_status(ExitCode::Done);
    }
    try {
        const BatchStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
        remove_staged_files_on_interrupt(streams.err_is_terminal);
        return exit_status(run_batch(options, streams));
    } catch (const std::exception& e) {
        std::cerr << "tarnwick-batch: " << e.what() << "\n";
        return exit_status(ExitCode::Internal);
    }
}
