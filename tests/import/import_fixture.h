#pragma once
// Fixture tables and short ways to import them in tests.

#include <string>

#include "import/data_file_text.h"
#include "import/import_error.h"
#include "import/table_import.h"
#include "support/test_files.h"

namespace tw::test {

inline std::string fixture_path(const std::string& name) {
    return std::string(TARNWICK_IMPORT_FIXTURES) + "/" + name;
}

inline std::string fixture(const std::string& name) {
    return bytes_of(fixture_path(name));
}

inline import::ImportOptions stations_as_rows() {
    import::ImportOptions options;
    options.orientation = import::Orientation::StationsAsRows;
    return options;
}

// The data file an import of `text` writes.
inline std::string imported_text(const std::string& text,
                                 const import::ImportOptions& options = {}) {
    return import::data_file_text(import::import_text(text, options, "table.csv"));
}

// The message with which an import of `text` is refused ("" if it is not).
inline std::string refusal(const std::string& text, const import::ImportOptions& options = {}) {
    try {
        import::import_text(text, options, "table.csv");
    } catch (const import::ImportError& e) {
        return e.what();
    }
    return "";
}

}  // namespace tw::test
