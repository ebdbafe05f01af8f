#include "datacheck/line_source.h"

#include <filesystem>
#include <system_error>

#include "run/code_page.h"

namespace tw {

std::unique_ptr<LineSource> LineSource::open(const std::string& path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec)) return nullptr;
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in.is_open()) return nullptr;
    return std::unique_ptr<LineSource>(new LineSource(std::move(in)));
}

std::optional<std::string> LineSource::next_line() {
    using Traits = std::char_traits<char>;
    std::streambuf* buf = in_.rdbuf();
    if (Traits::eq_int_type(buf->sgetc(), Traits::eof())) return std::nullopt;
    std::string line;
    for (;;) {
        const auto c = buf->sbumpc();
        if (Traits::eq_int_type(c, Traits::eof()) || c == '\n') break;
        if (c == '\r') {
            if (buf->sgetc() == '\n') buf->sbumpc();
            break;
        }
        line.push_back(Traits::to_char_type(c));
    }
    // A line saved in the Windows code page shows its accented letters as
    // the run will read them.
    return as_utf8(std::move(line));
}

bool LineSource::at_end() {
    using Traits = std::char_traits<char>;
    return Traits::eq_int_type(in_.rdbuf()->sgetc(), Traits::eof());
}

}  // namespace tw
