#include "fuzz_imported_table.h"

#include "fuzz_files.h"
#include "import/data_file_text.h"
#include "import/import_error.h"
#include "run/input_file.h"
#include "run/outcome.h"

namespace tw::fuzz {

tw::import::ImportOptions options_from(std::uint8_t knobs) {
    import::ImportOptions options;
    constexpr import::Separator kSeparators[] = {
        import::Separator::Comma, import::Separator::Semicolon, import::Separator::Tab};
    if ((knobs & 3) != 3) options.separator = kSeparators[knobs & 3];
    if (knobs & 4) {
        options.decimal_mark =
            (knobs & 8) ? import::DecimalMark::Comma : import::DecimalMark::Point;
    }
    if (knobs & 16) {
        options.orientation = (knobs & 32) ? import::Orientation::StationsAsColumns
                                           : import::Orientation::StationsAsRows;
    }
    options.missing_as_zero = (knobs & 64) != 0;
    options.detect_long = (knobs & 128) != 0;
    return options;
}

void check_import(const std::function<import::ImportedTable()>& import) {
    import::ImportedTable imported;
    try {
        imported = import();
    } catch (const import::ImportError&) {
        return;
    }
    const auto& s = imported.summary;
    InputFile file;
    try {
        file = parse_input_file(import::data_file_text(imported), "fuzz.txt");
    } catch (const RunError& e) {
        fail(std::string("the reader refuses the data file the import wrote: ") + e.what());
    }
    if (file.rows != s.stations || file.cols != s.species) fail("the sizes changed on the way");
    if (file.groups != s.groups) fail("the group count changed on the way");
    for (std::int32_t g = 1; g <= file.groups; ++g) {
        if (file.group_sizes[static_cast<std::size_t>(g)] !=
            imported.group_sizes[static_cast<std::size_t>(g - 1)])
            fail("a group size changed on the way");
    }
}

}  // namespace tw::fuzz
