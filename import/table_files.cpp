#include "import/table_files.h"

#include <algorithm>
#include <cctype>

#include "import/import_error.h"
#include "import/oriented_grid.h"
#include "import/table_limits.h"

namespace tw::import {

namespace {

std::string_view line_at(std::string_view text, std::size_t& pos) {
    const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    pos = end;
    while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
    return line;
}

// How many whole numbers the text holds, if it holds nothing else but blanks
// and commas between them; -1 otherwise.
int whole_numbers(const std::string& text) {
    if (text.find_first_not_of("0123456789 ,") != std::string::npos) return -1;
    int count = 0;
    bool in_number = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && !in_number) ++count;
        in_number = digit;
    }
    return count;
}

std::string lower_extension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

bool is_data_file(const std::string& path, std::string_view head) {
    const std::string ext = lower_extension(path);
    if (ext == ".xlsx" || ext == ".xlsm" || ext == ".ods") return false;
    if (head.substr(0, 3) == "\xEF\xBB\xBF") head.remove_prefix(3);
    std::size_t pos = 0;
    const std::string title = trimmed(std::string(line_at(head, pos)));
    const std::string counts = trimmed(std::string(line_at(head, pos)));
    // A quoted title alone on its line never starts a table, and two whole
    // numbers alone on the second line under a line without separators do
    // not continue one. Either will do, so that a data file with a fault
    // still goes to the format check.
    const bool quoted_title = title.size() >= 2 && title.front() == '"' && title.back() == '"' &&
                              title.find('"', 1) == title.size() - 1;
    const bool header_like = title.find_first_of(",;\t") != std::string::npos;
    return quoted_title || (!header_like && whole_numbers(counts) == 2);
}

std::string default_data_file_path(const std::string& table_path) {
    const std::string ext = lower_extension(table_path);
    const std::string stem = table_path.substr(0, table_path.size() - ext.size());
    return stem + (ext == ".txt" ? "_data.txt" : ".txt");
}

std::vector<std::string> headings(CellGrid grid, Orientation orientation) {
    std::vector<std::string> names;
    try {
        square_grid(grid);
    } catch (const ImportError&) {
        return names;
    }
    const OrientedGrid view(grid, orientation);
    for (std::size_t c = 0; c < view.columns(); ++c) names.push_back(trimmed(view.at(0, c)));
    return names;
}

void check_text_table_size(std::uintmax_t bytes) {
    if (bytes <= kMaxTextFileBytes) return;
    throw ImportError("The table is " + std::to_string(bytes >> 20) + " MB, larger than any " +
                      "table the program takes (at most " + std::to_string(kMaxTableCells) +
                      " cells, " + std::to_string(kMaxTextFileBytes >> 20) +
                      " MB of text); it was not read.");
}

}  // namespace tw::import
