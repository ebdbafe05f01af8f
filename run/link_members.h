#pragma once
// The members of the cluster formed at each linkage, kept as the merge tree
// itself. Linkage L joins two parts, each a station still on its own or the
// cluster formed at an earlier linkage; its member sequence is the first
// part's members, in their own order, then the second part's. Each linkage
// keeps O(1) entries, so a run holds O(n) of them however lopsided its
// hierarchy: written out in full, a chaining hierarchy of n stations would
// take n^2/2.

#include <array>
#include <cstdint>
#include <vector>

namespace tw {

// One of the two parts joined at a linkage.
class MemberPart {
  public:
    static MemberPart station(std::int32_t s) { return MemberPart(s); }
    static MemberPart cluster_of(std::int32_t link) { return MemberPart(-link); }

    // Stations are stored as themselves, clusters as minus their linkage.
    std::int32_t code() const { return code_; }

  private:
    explicit MemberPart(std::int32_t code) : code_(code) {}
    std::int32_t code_;
};

class MemberLists {
  public:
    // Room for linkages 1..last_link, none of them recorded.
    void recreate(std::int32_t last_link);
    // Room for at least linkages 1..last_link, keeping what is recorded.
    void fit(std::int32_t last_link);
    std::int32_t last_link() const;

    // Records linkage `link` (1 or more; the room grows when needed). A
    // cluster part must be an earlier linkage that has been recorded, so
    // every linkage spells out in finitely many steps; a station part is 1
    // or more. Throws std::invalid_argument otherwise.
    void record(std::int32_t link, MemberPart first, MemberPart second);

    // Number of members of `link`; 0 for a linkage not recorded.
    std::int32_t size(std::int32_t link) const;
    // The first member of `link`, in O(1); 0 for a linkage not recorded.
    std::int32_t first_member(std::int32_t link) const;
    // The two parts joined at `link` as MemberPart codes, {0, 0} for a
    // linkage not recorded: a walk down the merge tree that needs no list.
    std::array<std::int32_t, 2> parts(std::int32_t link) const;

    // Writes the members of `link` in order to out[1..size], sets out[0] to
    // 0 and returns the size; `out` is resized to size + 1. A buffer handed
    // in again keeps its storage, so listing allocates nothing once it has
    // grown to the largest cluster.
    std::int32_t list(std::int32_t link, std::vector<std::int32_t>& out) const;

  private:
    struct Entry {
        std::int32_t first_part = 0;  // MemberPart codes
        std::int32_t second_part = 0;
        std::int32_t first_member = 0;
        std::int32_t size = 0;
    };
    const Entry* entry(std::int32_t link) const;
    std::int32_t part_size(std::int32_t code, std::int32_t link) const;

    std::vector<Entry> entries_;  // 0..last_link, entry 0 unused
};

}  // namespace tw
