// A text table from anywhere through the whole import: any separator
// (chosen or detected), quoting, byte order marks, UTF-16 and Windows-1252,
// decimal marks, either orientation. The options come from the last byte.

#include <string_view>

#include "fuzz_imported_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto options = tw::fuzz::options_from(data[size - 1]);
    const std::string_view text(reinterpret_cast<const char*>(data), size - 1);
    tw::fuzz::check_import([&] { return tw::import::import_text(text, options, "fuzz.csv"); });
    return 0;
}
