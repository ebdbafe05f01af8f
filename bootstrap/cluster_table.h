#pragma once
// The clusters that the test's verdicts cut the observed hierarchy into,
// built linkage by linkage in fusion order. A row holds the group labels of
// one cluster in the order they joined; rows keep the order in which the
// clusters were opened, and that order gives the identifiers.
//
// A run of 10,000 groups applies 10,000 linkages and looks up as many
// labels, so neither may scan the table: labels are found through a hash
// table, a row's labels are a chain that a join links on in one step, and
// a joined row points to the row it went into (a union-find forest).

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tw {

class ClusterTable {
  public:
    enum class Step {
        Applied,
        KeptSeparate,     // a separating linkage between two existing clusters
        AlreadyTogether,  // both labels already in one cluster: the records are inconsistent
    };

    // Joins the clusters of `left` and `right` when `joins` (a linkage
    // marked "NS" or "N/A"), otherwise makes sure each has a cluster of its
    // own. Labels not seen before open new clusters, left before right.
    Step apply(const std::string& left, const std::string& right, bool joins);

    std::int32_t count() const { return open_rows_; }
    // Cluster k = 1..count(): its labels in order.
    std::vector<std::string> row(std::int32_t k) const;
    // The first cluster holding `label` (labels compare as exact text), 0
    // when none does.
    std::int32_t find(const std::string& label) const;

  private:
    struct Row {
        std::int32_t first = -1;  // entry of its first and last label
        std::int32_t last = -1;
    };
    struct Entry {
        std::string label;
        std::int32_t row = 0;    // the row it was added to; follow joined_into_ from there
        std::int32_t next = -1;  // the next entry of its row
    };

    std::int32_t open(const std::string& label);
    void add(std::int32_t row, const std::string& label);
    void join(std::int32_t into, std::int32_t from);
    std::int32_t open_row_of(std::int32_t row) const;
    std::int32_t row_holding(const std::string& label) const;
    void number_rows() const;

    std::vector<Row> rows_;       // in the order they were opened
    std::vector<Entry> entries_;  // every label added, in the order added
    std::unordered_map<std::string, std::vector<std::int32_t>> entries_of_;  // label -> entries
    std::int32_t open_rows_ = 0;

    // A row joined into another points to it; an open row to itself. Lookups
    // shorten the paths they walk, hence mutable.
    mutable std::vector<std::int32_t> joined_into_;
    // Cluster number of every open row and the open rows in order, worked
    // out again after the rows changed.
    mutable std::vector<std::int32_t> number_;
    mutable std::vector<std::int32_t> numbered_rows_;
    mutable bool numbers_current_ = true;
};

// The identifier of cluster k when there are `cluster_count` clusters: A..Z,
// then AA..AZ; above 52 clusters every identifier is B followed by the
// character 64 + k (BA for 1, and from 27 on characters that are not
// letters): codes past 127 are those of the Windows code page, in UTF-8, and
// past 255 the number k itself follows the B.
std::string cluster_identifier(std::int32_t k, std::int32_t cluster_count);

}  // namespace tw
