#include "run/crowded_line.h"

#include <cctype>

namespace tw {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::int64_t line_item_count(std::string_view line) {
    std::int64_t items = 0;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && blank(line[at])) ++at;
        if (at >= line.size()) return items;
        ++items;
        if (line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            at = close == std::string_view::npos ? line.size() : close + 1;
        } else {
            while (at < line.size() && !blank(line[at]) && line[at] != ',') ++at;
        }
        while (at < line.size() && blank(line[at])) ++at;
        if (at < line.size() && line[at] == ',') ++at;
    }
}

bool has_decimal_commas(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (quoted || line[i] != ',' || i == 0 || i + 1 >= line.size()) continue;
        if (digit(line[i - 1]) && digit(line[i + 1])) return true;
    }
    return false;
}

std::string crowded_line_problem(std::string_view line, std::int64_t items, std::int32_t species) {
    const std::string counts = "the line holds " + std::to_string(items) +
                               " items, but a station label and " + std::to_string(species) +
                               (species == 1 ? " value" : " values") + " were expected.";
    if (has_decimal_commas(line)) {
        return "the values look like numbers written with decimal commas (such as 0,55), which "
               "the program reads as two numbers each; " +
               counts + " Save the file with decimal points.";
    }
    return counts + " Each station must start a line of its own.";
}

}  // namespace tw
