#include "import/delimited_text.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "import/import_error.h"
#include "import/table_limits.h"

namespace tw::import {

namespace {

ImportError line_too_long(int line) {
    return ImportError("Line " + std::to_string(line) + " is longer than " +
                       std::to_string(kMaxLineBytes >> 20) +
                       " MB, more than a row of the widest table the program takes needs; the "
                       "file is not a table the program can read.");
}

std::size_t next_of(std::string_view text, char c, std::size_t from) {
    const void* at = std::memchr(text.data() + from, c, text.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : text.size();
}

// A line longer than any row of a table, found with memchr before any cell
// is read, so that a file of one endless line is refused at once. A record
// holds every line it spans, so this refuses nothing the reader would take.
void check_line_lengths(std::string_view text) {
    std::size_t start = 0, next_lf = 0, next_cr = 0;
    for (int line = 1; start < text.size(); ++line) {
        if (next_lf < start || line == 1) next_lf = next_of(text, '\n', start);
        if (next_cr < start || line == 1) next_cr = next_of(text, '\r', start);
        const std::size_t end = std::min(next_lf, next_cr);
        if (end - start >= kMaxLineBytes) throw line_too_long(line);
        const bool crlf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
}

// A parser over the whole text; one call of next_row() per record.
class RecordReader {
  public:
    RecordReader(std::string_view text, char separator) : text_(text), sep_(separator) {}

    bool at_end() const { return pos_ >= text_.size(); }
    int line() const { return line_; }

    std::vector<std::string> next_row() {
        std::vector<std::string> row;
        std::string cell;
        record_start_ = pos_;
        record_line_ = line_;
        for (;;) {
            if (at_end()) break;
            check_length();
            const char ch = text_[pos_];
            if (ch == '"' && cell_starts_) {
                quoted(cell);
                continue;
            }
            if (ch == sep_) {
                if (row.size() + 1 >= kMaxLineCells) {
                    throw ImportError("Line " + std::to_string(record_line_) + " has more than " +
                                      std::to_string(kMaxLineCells) +
                                      " cells, more than a row of the widest table the program "
                                      "takes (a label, a group and 32767 species).");
                }
                row.push_back(std::move(cell));
                cell.clear();
                cell_starts_ = true;
                ++pos_;
                continue;
            }
            if (ch == '\r' || ch == '\n') {
                skip_line_end();
                break;
            }
            cell += ch;
            if (ch != ' ') cell_starts_ = false;
            ++pos_;
        }
        row.push_back(std::move(cell));
        cell_starts_ = true;
        return row;
    }

  private:
    // Checked before each byte is taken, so a line of any length costs at
    // most the limit's worth of memory before it is refused.
    void check_length() const {
        if (pos_ - record_start_ >= kMaxLineBytes) throw line_too_long(record_line_);
    }

    void skip_line_end() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    // A quoted cell: blanks before the opening quote are dropped, a doubled
    // quote inside stands for one, and whatever follows the closing quote up
    // to the separator is kept as written.
    void quoted(std::string& cell) {
        const int opened_on = line_;
        cell.clear();
        ++pos_;
        for (;;) {
            if (pos_ - record_start_ >= kMaxLineBytes) {
                throw ImportError("A quoted cell that begins on line " + std::to_string(opened_on) +
                                  " runs on for more than " + std::to_string(kMaxLineBytes >> 20) +
                                  " MB; its closing double quote is probably missing.");
            }
            if (at_end()) {
                throw ImportError("A quoted cell that begins on line " + std::to_string(opened_on) +
                                  " has no closing double quote.");
            }
            const char ch = text_[pos_];
            if (ch == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    cell += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                cell_starts_ = false;
                return;
            }
            if (ch == '\n' || (ch == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')))
                ++line_;
            cell += ch;
            ++pos_;
        }
    }

    std::string_view text_;
    char sep_;
    std::size_t pos_ = 0;
    std::size_t record_start_ = 0;
    int line_ = 1;
    int record_line_ = 1;
    bool cell_starts_ = true;
};

constexpr std::array<Separator, 3> kPreference = {Separator::Tab, Separator::Semicolon,
                                                  Separator::Comma};
constexpr std::size_t kSampleLines = 50;

// Cell counts of the first lines, or empty when the quoting is broken.
std::vector<std::size_t> sample_widths(std::string_view text, Separator separator) {
    std::vector<std::size_t> widths;
    try {
        RecordReader reader(text, separator_char(separator));
        while (!reader.at_end() && widths.size() < kSampleLines) {
            const auto row = reader.next_row();
            if (row.size() == 1 && row.front().empty()) continue;
            widths.push_back(row.size());
        }
    } catch (const ImportError&) {
        widths.clear();
    }
    return widths;
}

bool consistent(const std::vector<std::size_t>& widths) {
    if (widths.empty() || widths.front() < 2) return false;
    // R's write.table leaves the heading of the row names out of the header.
    const std::size_t data_width = widths.size() > 1 ? widths[1] : widths.front();
    if (widths.front() != data_width && widths.front() + 1 != data_width) return false;
    return std::all_of(widths.begin() + 1, widths.end(),
                       [&](std::size_t w) { return w == data_width; });
}

}  // namespace

char separator_char(Separator separator) {
    switch (separator) {
        case Separator::Comma:
            return ',';
        case Separator::Semicolon:
            return ';';
        case Separator::Tab:
            return '\t';
    }
    return ',';
}

std::string separator_name(Separator separator) {
    switch (separator) {
        case Separator::Comma:
            return "comma";
        case Separator::Semicolon:
            return "semicolon";
        case Separator::Tab:
            return "tab";
    }
    return "comma";
}

Separator detect_separator(std::string_view text) {
    try {
        check_line_lengths(text);
    } catch (const ImportError&) {
        return Separator::Comma;  // parse_delimited refuses the text with the line named
    }
    for (Separator s : kPreference) {
        if (consistent(sample_widths(text, s))) return s;
    }
    const std::string_view first_line = text.substr(0, text.find_first_of("\r\n"));
    Separator best = Separator::Comma;
    std::ptrdiff_t most = 0;
    for (Separator s : kPreference) {
        const auto n = std::count(first_line.begin(), first_line.end(), separator_char(s));
        if (n > most) most = n, best = s;
    }
    return best;
}

CellGrid parse_delimited(std::string_view text, Separator separator) {
    check_line_lengths(text);
    CellGrid grid;
    grid.naming = CellNaming::LineAndColumn;
    RecordReader reader(text, separator_char(separator));
    std::size_t cells = 0;
    while (!reader.at_end()) {
        const int line = reader.line();
        grid.cells.push_back(reader.next_row());
        grid.row_numbers.push_back(line);
        cells += grid.cells.back().size();
        if (cells > kMaxTableCells) {
            throw ImportError("The table has more than " + std::to_string(kMaxTableCells) +
                              " cells by line " + std::to_string(line) +
                              ", more than the program takes from one table (for instance "
                              "10000 stations by 500 species).");
        }
    }
    return grid;
}

}  // namespace tw::import
