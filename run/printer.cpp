#include "run/printer.h"

#include <string>

namespace tw {

Printer& Printer::text(std::string_view s) {
    if (target_ && !s.empty()) target_->write(s);
    column_ += static_cast<int>(s.size());
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
