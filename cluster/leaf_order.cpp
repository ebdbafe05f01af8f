#include "cluster/leaf_order.h"

#include <algorithm>
#include <cstddef>

#include "run/array_index.h"

namespace tw {

namespace {

// The clusters formed so far: a disjoint-set forest over the stations, with
// each root holding its cluster's chain of stations in dendrogram order.
class ClusterChains {
  public:
    explicit ClusterChains(std::int32_t n)
        : parent_(slots(n)),
          size_(slots(n), 1),
          head_(slots(n)),
          tail_(slots(n)),
          next_(slots(n), 0) {
        for (std::int32_t s = 0; s <= n; ++s) parent_[at(s)] = head_[at(s)] = tail_[at(s)] = s;
    }

    std::int32_t root(std::int32_t s) {
        while (parent_[at(s)] != s) {
            parent_[at(s)] = parent_[at(parent_[at(s)])];  // path halving
            s = parent_[at(s)];
        }
        return s;
    }

    std::int32_t size(std::int32_t r) const { return size_[at(r)]; }

    // Appends the chain of root `right` to that of root `left`; `left` stays the root.
    void append(std::int32_t left, std::int32_t right) {
        next_[at(tail_[at(left)])] = head_[at(right)];
        tail_[at(left)] = tail_[at(right)];
        size_[at(left)] += size_[at(right)];
        parent_[at(right)] = left;
    }

    // Writes the chain of root r into order[pos..]; returns the next free position.
    std::size_t emit(std::int32_t r, std::vector<std::int32_t>& order, std::size_t pos) const {
        for (std::int32_t s = head_[at(r)]; s != 0; s = next_[at(s)]) order[pos++] = s;
        return pos;
    }

  private:
    static std::size_t slots(std::int32_t n) { return static_cast<std::size_t>(n) + 1; }

    std::vector<std::int32_t> parent_, size_, head_, tail_, next_;
};

}  // namespace

std::vector<std::int32_t> leaf_order(std::span<const std::int16_t> LinkI,
                                     std::span<const std::int16_t> LinkJ, std::int32_t n) {
    if (n < 1) return std::vector<std::int32_t>(1, 0);
    ClusterChains chains(n);
    std::int32_t last_root = 1;
    const std::size_t links = std::min(LinkI.size(), LinkJ.size());
    for (std::size_t L = 1; L < links && L < static_cast<std::size_t>(n); ++L) {
        const std::int32_t i = LinkI[L];
        const std::int32_t j = LinkJ[L];
        if (i < 1 || i > n || j < 1 || j > n) continue;
        const std::int32_t ri = chains.root(i);
        const std::int32_t rj = chains.root(j);
        if (ri == rj) continue;
        // A lone LinkI goes to the right of LinkJ's cluster; otherwise LinkI's side leads.
        const bool lone_i_joins_cluster = chains.size(ri) == 1 && chains.size(rj) > 1;
        const std::int32_t left = lone_i_joins_cluster ? rj : ri;
        const std::int32_t right = lone_i_joins_cluster ? ri : rj;
        chains.append(left, right);
        last_root = left;
    }

    std::vector<std::int32_t> order(static_cast<std::size_t>(n) + 1, 0);
    std::size_t pos = chains.emit(last_root, order, 1);
    std::vector<bool> emitted(static_cast<std::size_t>(n) + 1, false);
    emitted[static_cast<std::size_t>(last_root)] = true;
    for (std::int32_t s = 1; s <= n && pos <= static_cast<std::size_t>(n); ++s) {
        const auto r = static_cast<std::size_t>(chains.root(s));
        if (emitted[r]) continue;
        emitted[r] = true;
        pos = chains.emit(static_cast<std::int32_t>(r), order, pos);
    }
    return order;
}

}  // namespace tw
