#pragma once
// The clusters that the test's verdicts cut the observed hierarchy into,
// built linkage by linkage in fusion order. A row holds the group labels of
// one cluster in the order they joined; rows keep the order in which the
// clusters were opened, and that order gives the identifiers.

#include <cstdint>
#include <string>
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

    std::int32_t count() const { return static_cast<std::int32_t>(rows_.size()); }
    // Cluster k = 1..count(): its labels in order.
    const std::vector<std::string>& row(std::int32_t k) const {
        return rows_[static_cast<std::size_t>(k - 1)];
    }
    // The first cluster holding `label` (labels compare as exact text), 0
    // when none does.
    std::int32_t find(const std::string& label) const;

  private:
    void open(const std::string& label) { rows_.push_back({label}); }

    std::vector<std::vector<std::string>> rows_;
};

// The identifier of cluster k when there are `cluster_count` clusters: A..Z,
// then AA..AZ; above 52 clusters every identifier is B followed by the
// character 64 + k (BA for 1, and from 27 on characters that are not
// letters): codes past 127 are those of the Windows code page, in UTF-8, and
// past 255 the number k itself follows the B.
std::string cluster_identifier(std::int32_t k, std::int32_t cluster_count);

}  // namespace tw
