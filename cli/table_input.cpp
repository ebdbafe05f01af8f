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

import::ImportedTable read_table(const std::string& path, const import::ImportOptions& options){
    namespace fs = std::filesystem;
if (!fs::is_regular_file(path)) throw TableFileError("There is no table \"" + path + "\".");
const std::string title = fs::path(path).filename().string();
if (import::is_workbook_path(path)) return import::import_workbook(path, options, title);
return import::import_text(read_bytes(path), options, title);
}  // namespace tw::cli

}  // namespace tw::cli
