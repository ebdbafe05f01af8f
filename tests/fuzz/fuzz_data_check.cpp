// The format check on a fuzzed data file, pressing Continue until the check
// ends, with every question answered Yes. Each press examines at most one
// line, so a check that needs far more presses than the file has lines is
// stuck.

#include <algorithm>
#include <cstdint>
#include <string>

#include "datacheck/data_check.h"
#include "datacheck/null_data_check_view.h"
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = tw::fuzz::write_scratch_file(data, size);
    const auto line_ends =
        std::count_if(data, data + size, [](std::uint8_t c) { return c == '\n' || c == '\r'; });
    const long long press_limit = 2 * static_cast<long long>(line_ends) + 20;

    tw::fuzz::YesHost host;
    tw::NullDataCheckView view;
    tw::RunContext ctx;
    tw::DataCheck check(ctx, host, view);
    for (long long press = 1; !check.state().Finished && !host.ended; ++press) {
        if (press > press_limit) tw::fuzz::fail("the check did not end after every line was read");
        check.read_pressed(path);
    }
    if (!check.state().Finished) return 0;  // ended the program: nothing more to hold
    if (!view.unloaded) tw::fuzz::fail("the check ended without unloading its window");
    return 0;
}
