#include "bootstrap/cluster_table.h"

#include <iterator>

#include "run/code_page.h"

namespace tw {

std::int32_t ClusterTable::find(const std::string& label) const {
    for (std::size_t k = 0; k < rows_.size(); ++k)
        for (const std::string& member : rows_[k])
            if (member == label) return static_cast<std::int32_t>(k + 1);
    return 0;
}

ClusterTable::Step ClusterTable::apply(const std::string& left, const std::string& right,
                                       bool joins) {
    const std::int32_t pl = find(left);
    const std::int32_t pr = find(right);
    if (pl == 0 && pr == 0) {
        if (joins) {
            rows_.push_back({left, right});
        } else {
            open(left);
            open(right);
        }
        return Step::Applied;
    }
    if (pr == 0) {
        if (joins)
            rows_[static_cast<std::size_t>(pl - 1)].push_back(right);
        else
            open(right);
        return Step::Applied;
    }
    if (pl == 0) {
        if (joins)
            rows_[static_cast<std::size_t>(pr - 1)].push_back(left);
        else
            open(left);
        return Step::Applied;
    }
    if (pl == pr) return Step::AlreadyTogether;
    if (!joins) return Step::KeptSeparate;

    // The right cluster's labels follow the left's; the clusters opened
    // after the right one move up a row, so their identifiers move with them.
    auto& into = rows_[static_cast<std::size_t>(pl - 1)];
    auto& from = rows_[static_cast<std::size_t>(pr - 1)];
    into.insert(into.end(), from.begin(), from.end());
    rows_.erase(std::next(rows_.begin(), pr - 1));
    return Step::Applied;
}

std::string cluster_identifier(std::int32_t k, std::int32_t cluster_count) {
    if (cluster_count <= 52) {
        if (k <= 26) return std::string(1, static_cast<char>('A' + k - 1));
        return std::string("A") + static_cast<char>('A' + k - 27);
    }
    // Character codes stop at 255. Beyond that the cluster number itself
    // keeps the identifiers distinct and readable (B192, B193, ...).
    if (64 + k > 255) return "B" + std::to_string(k);
    // Codes past 127 are characters of the Windows code page the program's
    // older files come from, written in UTF-8 like every other text of the
    // report, so that the report stays readable text.
    return "B" + windows1252_char(static_cast<unsigned char>(64 + k));
}

}  // namespace tw
