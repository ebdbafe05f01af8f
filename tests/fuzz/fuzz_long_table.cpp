// A long table (one line per station and species): the three columns named
// from the first line's cells when the next-to-last byte says so, taken in
// order otherwise.

#include <string>
#include <string_view>
#include <vector>

#include "fuzz_imported_table.h"
#include "import/delimited_text.h"
#include "import/import_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    auto options = tw::fuzz::options_from(data[size - 1]);
    const std::string_view text(reinterpret_cast<const char*>(data), size - 2);
    tw::import::LongColumns columns;
    const std::uint8_t naming = data[size - 2];
    if (naming & 1) {
        // Headings picked from the first line, so that named columns are met.
        std::vector<std::string> cells;
        try {
            const auto grid = tw::import::parse_delimited(
                text.substr(0, text.find('\n')),
                options.separator.value_or(tw::import::Separator::Comma));
            if (!grid.cells.empty()) cells = grid.cells[0];
        } catch (const tw::import::ImportError&) {
        }
        auto pick = [&](int shift) {
            const auto i = static_cast<std::size_t>((naming >> shift) & 3);
            return i < cells.size() ? cells[i] : std::string("missing");
        };
        columns = {pick(1), pick(3), pick(5)};
    }
    options.long_columns = columns;
    tw::fuzz::check_import([&] { return tw::import::import_text(text, options, "fuzz.csv"); });
    return 0;
}
