#pragma once
// The print statement shared by every output of the program.
//
// A Printer keeps the print position (a column counted from 1) of one
// target. Items are written left to right from that position:
//   text("A").num(3)            items joined as by a semicolon
//   .zone()                     a comma: move to the next 14-column zone
//   .tab(n)                     move to column n (column n of the next line
//                               when the position is already beyond n)
//   .end()                      end the line with CR LF
// A statement that does not call end() leaves the position where it is, as a
// statement whose last item is followed by a semicolon or comma.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "run/number_format.h"
#include "run/text_target.h"

namespace tw {

class Printer {
  public:
    static constexpr int kZoneWidth = 14;

    Printer() = default;
    explicit Printer(TextTarget* target) : target_(target) {}

    Printer& text(std::string_view s);
    // Numbers carry the print statement's leading and trailing blanks.
    template <class T>
    requires std::is_integral_v<T> Printer& num(T value) {
        return text(printed_number(static_cast<std::int64_t>(value)));
    }
    Printer& num(float value) { return text(printed_number(value)); }
    Printer& num(double) = delete;  // values are singles: convert explicitly
    // A value written with a pattern such as "#0.000 ", without extra blanks.
    Printer& pattern(const std::string& pat, double value) {
        return text(pattern_text(pat, value));
    }
    Printer& zone();
    Printer& tab(int column);
    Printer& end();
    // A statement with no items: just the line end.
    Printer& line() { return end(); }

    // Erase the target (message area) and return to the top left.
    void clear();
    void flush();
    int column() const { return column_; }
    TextTarget* target() const { return target_; }

  private:
    TextTarget* target_ = nullptr;
    int column_ = 1;
};

}  // namespace tw
