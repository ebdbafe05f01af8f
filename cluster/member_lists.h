#pragma once
// The member lists of the linkages: the cluster formed at linkage L holds the
// LinkI cluster's members first (in their recorded order), then the LinkJ
// cluster's. Recording a linkage names its two parts and copies no members.

#include <cstdint>
#include <vector>

#include "run/run_context.h"

namespace tw {

class MemberListBuilder {
  public:
    explicit MemberListBuilder(std::int32_t n);

    // Records linkage `link` joining the clusters represented by i and j.
    // A representative's members are those of the latest earlier linkage
    // whose first member it is; without one it is still a single station.
    void record(LinkArrays links, std::int32_t link, std::int32_t i, std::int32_t j, float level);

  private:
    MemberPart part(std::int32_t x) const;

    // latest_[x]: the latest linkage whose first member is x, 0 for none.
    std::vector<std::int32_t> latest_;
};

}  // namespace tw
