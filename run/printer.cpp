#include "run/printer.h"

#include <string>

namespace tw {

namespace {

// Print positions count characters: a letter such as "é" takes two bytes of
// UTF-8 but one column, so zones and tabs line up after it.
int character_count(std::string_view s) {
    int count = 0;
    for (const char c : s) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

}  // namespace

Printer& Printer::text(std::string_view s) {
    if (target_ && !s.empty()) target_->write(s);
    column_ += character_count(s);
    return *this;
}

Printer& Printer::zone() {
    const int next = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
    return text(std::string(static_cast<std::size_t>(next - column_), ' '));
}

Printer& Printer::tab(int column) {
    if (column < 1) column = 1;
    if (column_ > column) end();
    return text(std::string(static_cast<std::size_t>(column - column_), ' '));
}

Printer& Printer::end() {
    if (target_) target_->write("\r\n");
    column_ = 1;
    return *this;
}

void Printer::clear() {
    if (target_) target_->clear();
    column_ = 1;
}

void Printer::flush() {
    if (target_) target_->flush();
}

}  // namespace tw
