#include "cli/table_input.h"

#include <filesystem>
#include <fstream>

#include "import/table_files.h"
#include "import/workbook/workbook.h"

namespace tw::cli {

namespace {

std::string read_bytes(const std::string& path) {
    std::error_code size_unknown;
    const auto size = std::filesystem::file_size(path, size_unknown);
    if (!size_unknown) import::check_text_table_size(size);
    std::ifstream in(path, std::ios::binary);
    // Read straight into place: a large table is held once, not copied.
    std::string bytes(size_unknown ? 0 : size, '\0');
    if (in) in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in) throw TableFileError("The table \"" + path + "\" could not be read.");
    return bytes;
}

}  // namespace

bool is_program_data_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return true;
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return import::is_data_file(path, head);
}

// Named in full: clang-format takes a line that starts with "import" for a
// module import and leaves the function unformatted.
tw::import::ImportedTable read_table(const std::string& path,
                                     const import::ImportOptions& options) {
    if (!std::filesystem::is_regular_file(path))
        throw TableFileError("There is no table \"" + path + "\".");
    // The title a user would give the data: the table's name without its ending.
    const std::string title = std::filesystem::path(path).stem().string();
    if (import::is_workbook_path(path)) return import::import_workbook(path, options, title);
    return import::import_text(read_bytes(path), options, title);
}

}  // namespace tw::cli
