#include "import/cell_checks.h"

#include <cctype>
#include <cmath>
#include <map>

#include "import/import_error.h"

namespace tw::import {

namespace {

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

std::string abundance_at(const OrientedGrid& view, std::size_t r, std::size_t c,
                         const std::string& station, const std::string& species,
                         ValueRules& rules) {
    const std::string& cell = view.at(r, c);
    const CellValue v = read_cell(cell, rules.mark);
    const std::string where =
        view.name(r, c) + " (station " + quoted(station) + ", species " + quoted(species) + "): ";
    const std::string shown = quoted(trimmed(cell));
    switch (v.kind) {
        case CellKind::Missing:
            if (rules.missing_as_zero) {
                ++rules.filled;
                return "0";
            }
            throw ImportError(
                where + "the value is missing" +
                (trimmed(cell).empty() ? std::string(" (an empty cell)") : " (" + shown + ")") +
                ". Fill it in, or choose to read missing values as 0.");
        case CellKind::Text: {
            std::string hint;
            if (rules.mark == DecimalMark::Point && cell.find(',') != std::string::npos)
                hint = " If the table uses decimal commas, choose the comma as decimal mark.";
            if (rules.mark == DecimalMark::Comma && cell.find('.') != std::string::npos)
                hint = " If the table uses decimal points, choose the point as decimal mark.";
            throw ImportError(where + shown + " is not a number." + hint);
        }
        case CellKind::Number:
            break;
    }
    if (std::isinf(v.value) || std::fabs(v.value) > 3.4e38) {
        throw ImportError(where + shown + " is too large for the program's numbers.");
    }
    if (v.value < 0) {
        throw ImportError(where + shown + " is negative; abundances cannot be below 0.");
    }
    return v.plain;
}

std::string data_file_label(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '"') {
            out += '\'';
        } else if (ch == '\t' || ch == '\r' || ch == '\n') {
            out += ' ';
        } else {
            out += ch;
        }
    }
    return trimmed(out);
}

std::string label_at(const OrientedGrid& view, std::size_t r, std::size_t c,
                     const std::string& what) {
    std::string label = data_file_label(view.at(r, c));
    if (label.empty()) throw ImportError(view.name(r, c) + ": the " + what + " is empty.");
    return label;
}

void require_unique(const std::vector<std::string>& labels, const std::vector<std::string>& names,
                    const std::string& what) {
    std::map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto [it, fresh] = seen.emplace(labels[i], i);
        if (fresh) continue;
        std::string first = names[it->second];
        first[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(first[0])));
        throw ImportError(names[i] + ": the " + what + " label " + quoted(labels[i]) +
                          " is used twice (also at " + first + "); every " + what +
                          " needs a label of its own.");
    }
}

}  // namespace tw::import
