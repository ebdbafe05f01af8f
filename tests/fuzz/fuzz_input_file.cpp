// The data file reader on arbitrary bytes: it either refuses the file with a
// RunError or returns a table whose sizes agree with each other and whose
// values are all finite, so nothing after it needs to check again.

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_files.h"
#include "run/input_file.h"
#include "run/outcome.h"

namespace {

using tw::fuzz::fail;

void check_shape(const tw::InputFile& f) {
    if (f.rows < 1 || f.rows > tw::kMaxStations) fail("station count out of range");
    if (f.cols < 1) fail("species count out of range");
    if (static_cast<std::int64_t>(f.rows) * f.cols > tw::kMaxValues) fail("too many values");
    if (f.species.size() != static_cast<std::size_t>(f.cols) + 1) fail("species labels");
    if (f.stations.size() != static_cast<std::size_t>(f.rows) + 1) fail("station labels");
    if (f.station_line.size() != static_cast<std::size_t>(f.rows) + 1) fail("station lines");
    if (f.values.last_row() != f.rows || f.values.last_col() != f.cols) fail("value matrix");
    if (f.groups < 0 || f.groups > f.rows) fail("group count out of range");
    if (f.groups > 0 && f.group_sizes.size() != static_cast<std::size_t>(f.groups) + 1)
        fail("group sizes");
    std::int64_t grouped = 0;
    for (std::int32_t g = 1; g <= f.groups; ++g) {
        const std::int32_t size = f.group_sizes[static_cast<std::size_t>(g)];
        if (size < 1) fail("empty group accepted");
        grouped += size;
    }
    if (grouped > f.rows) fail("groups hold more stations than the file");
    for (std::int32_t i = 1; i <= f.rows; ++i)
        for (std::int32_t j = 1; j <= f.cols; ++j)
            if (!std::isfinite(f.values(i, j))) fail("a value that is not finite was accepted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tw::InputFile f;
    try {
        f = tw::parse_input_file(std::string(reinterpret_cast<const char*>(data), size), "f.txt");
    } catch (const tw::RunError&) {
        return 0;
    }
    check_shape(f);
    // A large constant must be refused here, not turn values into infinities.
    for (float multiplier : {1.0f, -1.0f, 1e30f, 3e38f}) {
        try {
            tw::check_rescaled_range(f, multiplier, "f.txt");
        } catch (const tw::RunError&) {
            continue;
        }
        for (std::int32_t i = 1; i <= f.rows; ++i)
            for (std::int32_t j = 1; j <= f.cols; ++j)
                if (!std::isfinite(f.values(i, j) * multiplier))
                    fail("a rescaled value that is not finite passed the range check");
    }
    return 0;
}
