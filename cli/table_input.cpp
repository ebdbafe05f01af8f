#include "cli/table_input.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "import/table_files.h"
#include "import/workbook/workbook.h"

namespace tw::cli {

namespace {

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in) throw TableFileError("The table \"" + path + "\" could not be read.");
    return bytes.str();
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
