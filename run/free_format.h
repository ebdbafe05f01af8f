#pragma once
// Free-format item input from a data file held in memory.
//
// Items are taken one after another regardless of where lines break; a line
// end is one more separator. Before each item blanks and line ends are
// skipped.
//   - A text item that begins with a double quote runs to the next double
//     quote on its line (the quotes are dropped, commas and blanks inside are
//     kept); after it blanks and at most one comma are skipped.
//   - Any other text item runs to the next comma (consumed) or line end.
//   - A numeric item runs to the next blank, comma or line end; blanks after
//     it on the same line and then one comma are consumed. An item that is
//     not a number reads as 0.
// Line ends may be CR LF, LF or CR. A tab counts as a blank.
//
// The file ending before an item is complete throws RunError naming the file
// and the line, since a short file cannot be read any further.

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

class FreeFormat {
  public:
    FreeFormat(std::string text, std::string file_name);

    // `what` names the item in the message when the file has ended, e.g.
    // "the number of species".
    std::string text_item(std::string_view what);
    float single_item(std::string_view what);
    // A count, in double precision: the caller checks its range and rounds
    // it to the integer type it is stored in.
    double number_item(std::string_view what);

    // True when another item follows (separators skipped): a caller reading
    // millions of values builds the message that names a missing one only
    // when it is needed.
    bool has_item();

    // Line (from 1) on which the last item began.
    int item_line() const { return item_line_; }
    // Line (from 1) on which the next item would begin; 0 when none is left.
    int next_item_line();
    // The text of line `line` (from 1) without its line end.
    std::string line_text(int line) const;
    const std::string& file_name() const { return file_name_; }

  private:
    bool at_end() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }
    bool at_line_end() const { return !at_end() && (peek() == '\r' || peek() == '\n'); }
    void skip_line_end();
    void skip_blanks();
    void skip_separators();
    void begin_item(std::string_view what);
    std::string quoted_rest();
    std::string unquoted_text();
    std::string numeric_text();
    [[noreturn]] void ended(std::string_view what) const;

    std::string text_;
    std::string file_name_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int item_line_ = 1;
};

// The value of a numeric item's text: a decimal number (optional sign,
// digits with an optional decimal point, optional exponent introduced by E or
// e) in the whole text, otherwise 0. Out-of-range magnitudes come back as
// infinities so that the caller can refuse them; values too small for the
// type come back as 0.
double item_number(std::string_view text);
float item_single(std::string_view text);

}  // namespace tw
