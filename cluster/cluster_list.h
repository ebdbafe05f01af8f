#pragma once
// CLUSTER.LST: the members of every cluster level from the level the user
// chose in `savelinks` down to the single cluster of all stations.
//
// Each linkage gets a member text: the labels of the merged cluster's
// stations separated by single blanks, the LinkI cluster's first. A text
// taken into a later cluster becomes " ", so at any moment there is exactly
// one live text per current cluster of two or more stations, and it starts
// with the label of the cluster's representative.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "run/printer.h"

namespace tw {

// The cluster list threshold K: the number of clusters from which on a
// level block is written; K <= 0 means no cluster list file.
std::int32_t cluster_list_threshold(std::string_view savelinks_text);

class MemberTexts {
  public:
    // Stations 1..n with their labels (labels[1..n]).
    MemberTexts(std::int32_t n, const std::vector<std::string>& labels);

    // Linkage `link` joined the clusters represented by i and j (i < j).
    void join(std::int32_t link, std::int32_t i, std::int32_t j);

    std::int32_t links_made() const { return links_made_; }
    // MemberText(m): " " once it has been taken into a later cluster.
    const std::string& text(std::int32_t link) const;
    bool is_live(std::int32_t link) const;
    bool joined(std::int32_t station) const;
    const std::string& label(std::int32_t station) const;
    std::int32_t stations() const { return n_; }

  private:
    std::string take_cluster_text(std::int32_t representative);

    std::int32_t n_;
    const std::vector<std::string>& labels_;
    std::int32_t links_made_ = 0;
    std::vector<std::string> text_;     // 1..n-1
    std::vector<char> live_;            // 1..n-1
    std::vector<std::int32_t> holder_;  // 1..n: linkage whose text is the station's cluster, 0 none
    std::vector<char> joined_;          // 1..n
};

// The block written after a linkage: a box with the number of clusters
// left, the live member texts in linkage order, then every station not yet
// joined, one per line, and a blank line.
void write_cluster_level_block(Printer& out, const MemberTexts& texts);

}  // namespace tw
