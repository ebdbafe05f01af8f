// Both command lines on arbitrary arguments (the input split at NUL bytes):
// tarnwick-batch's options either give settings or say what is wrong, never
// both and never neither; tarnwick-import's either give a command or throw
// the one exception its main turns into a usage message.

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/batch_figure.h"
#include "cli/batch_options.h"
#include "cli/import_arguments.h"
#include "fuzz_files.h"

// Writing a figure needs the windows' painting, which this target does not
// link; the parser only asks whether a file's format can be written, as a
// build without PDF and PNG rendering answers.
bool tw::batch::figure_format_supported(const std::string& path) {
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".svg") == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const auto batch = tw::batch::parse_batch_options(args);
    if (batch.options.has_value() == !batch.error.empty())
        tw::fuzz::fail("the batch options neither settle nor refuse, or both");
    try {
        tw::cli::parse_import_arguments(args);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
