#include "bootstrap/cluster_table.h"
#include "run/array_index.h"

#include "run/code_page.h"

namespace tw {

ClusterTable::Step ClusterTable::apply(const std::string& left, const std::string& right,
                                       bool joins) {
    const std::int32_t pl = row_holding(left);
    const std::int32_t pr = row_holding(right);
    if (pl < 0 && pr < 0) {
        if (joins) {
            add(open(left), right);
        } else {
            open(left);
            open(right);
        }
        return Step::Applied;
    }
    if (pr < 0) {
        if (joins)
            add(pl, right);
        else
            open(right);
        return Step::Applied;
    }
    if (pl < 0) {
        if (joins)
            add(pr, left);
        else
            open(left);
        return Step::Applied;
    }
    if (pl == pr) return Step::AlreadyTogether;
    if (!joins) return Step::KeptSeparate;
    join(pl, pr);
    return Step::Applied;
}

std::vector<std::string> ClusterTable::row(std::int32_t k) const {
    number_rows();
    std::vector<std::string> labels;
    const Row& r = rows_[at(numbered_rows_[at(k - 1)])];
    for (std::int32_t e = r.first; e >= 0; e = entries_[at(e)].next)
        labels.push_back(entries_[at(e)].label);
    return labels;
}

std::int32_t ClusterTable::find(const std::string& label) const {
    const std::int32_t r = row_holding(label);
    if (r < 0) return 0;
    number_rows();
    return number_[at(r)];
}

std::int32_t ClusterTable::open(const std::string& label) {
    const auto r = static_cast<std::int32_t>(rows_.size());
    rows_.push_back(Row{});
    joined_into_.push_back(r);
    ++open_rows_;
    numbers_current_ = false;
    add(r, label);
    return r;
}

void ClusterTable::add(std::int32_t row, const std::string& label) {
    const auto e = static_cast<std::int32_t>(entries_.size());
    entries_.push_back(Entry{label, row, -1});
    entries_of_[label].push_back(e);
    Row& r = rows_[at(row)];
    if (r.last >= 0)
        entries_[at(r.last)].next = e;
    else
        r.first = e;
    r.last = e;
}

// The right cluster's labels follow the left's; the clusters opened after
// the right one move up a number, so their identifiers move with them.
void ClusterTable::join(std::int32_t into, std::int32_t from) {
    Row& to = rows_[at(into)];
    const Row& gone = rows_[at(from)];
    entries_[at(to.last)].next = gone.first;
    to.last = gone.last;
    joined_into_[at(from)] = into;
    --open_rows_;
    numbers_current_ = false;
}

std::int32_t ClusterTable::open_row_of(std::int32_t row) const {
    while (joined_into_[at(row)] != row) {
        // Path halving: every other row on the way points two steps on.
        const std::int32_t next = joined_into_[at(row)];
        joined_into_[at(row)] = joined_into_[at(next)];
        row = next;
    }
    return row;
}

// Rows keep the order they were opened in, so the first cluster holding
// the label is the earliest open row among its entries' rows; -1 for none.
std::int32_t ClusterTable::row_holding(const std::string& label) const {
    const auto found = entries_of_.find(label);
    if (found == entries_of_.end()) return -1;
    std::int32_t first = -1;
    for (const std::int32_t e : found->second) {
        const std::int32_t r = open_row_of(entries_[at(e)].row);
        if (first < 0 || r < first) first = r;
    }
    return first;
}

void ClusterTable::number_rows() const {
    if (numbers_current_) return;
    number_.assign(rows_.size(), 0);
    numbered_rows_.clear();
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (joined_into_[r] != static_cast<std::int32_t>(r)) continue;
        numbered_rows_.push_back(static_cast<std::int32_t>(r));
        number_[r] = static_cast<std::int32_t>(numbered_rows_.size());
    }
    numbers_current_ = true;
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
