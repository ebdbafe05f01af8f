#pragma once
// The agglomerative clustering engine.
//
// Input: w.SimMatrix, re-created 0..n by 0..n, holds the resemblance of each
// pair of objects in its upper triangle, entry (i, j) with i < j. Each of the
// n - 1 linkages joins the closest pair of current clusters (the pair
// find_closest_pair finds; by default found through RowBestSearch) and
// recomputes the resemblance of every other cluster to the merged one
// with the method's update rule. A cluster is represented by its lowest
// station index; the higher index of a joined pair is absorbed.
//
// Output: w.LinkI(L) < w.LinkJ(L) and w.JoinLevel(L) for L = 1..n - 1 (the
// arrays re-created 0..max(n, sized_for) - 1, unused entries 0); the member
// lists, sizes and levels in `links`; w.Absorbed and w.ClusterSize as the last
// linkage left them; and w.SimMatrix with its upper triangle back at the
// starting values (squared when asked) and a copy of them in the lower one.

#include <cstdint>

#include "cluster/linkage_method.h"
#include "cluster/pair_search.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

struct ClusterOptions {
    LinkageMethod method = LinkageMethod::UPGMA;
    Resemblance distance_flag = Resemblance::Similarity;
    bool squared_flag = false;  // square every resemblance first
    // The link arrays are sized at least for this many objects, so that
    // readers sized from the station count find every entry they index.
    std::int32_t sized_for = 0;
    // Both searches join the same pairs; the full scan is the slow reference.
    PairSearch search = PairSearch::RowBests;
};

// Hooks for the observed run's report while the linkages are made.
class LinkageObserver {
  public:
    virtual ~LinkageObserver() = default;
    // Linkage L has chosen its pair: w.LinkI/LinkJ/JoinLevel(L) and
    // w.Absorbed are set; the member lists and the matrix are not yet updated.
    virtual void joined(const Workspace& w, std::int32_t link) = 0;
    // Linkage L is complete, the working matrix updated.
    virtual void updated(const Workspace& w, std::int32_t link) = 0;
};

// The largest number of objects the 16-bit linkage records can name.
inline constexpr std::int32_t kMaxObjects = 32767;

// n must be at most kMaxObjects. Prints the update progress dots to the
// message area: before each cluster k is updated a ".", the area cleared
// first when k is a multiple of 30 or above 100.
//
// Yields through `host` once per row of the matrix it works through: after
// each update of the merged cluster's row, and in the search after each row
// it scans and each choice of a pair. A yield per entry (per updated cluster,
// per pair accepted as the best so far) would show the user nothing more: an
// update takes well under a millisecond even on 10,000 objects, while a
// host's yield usually reads the clock. The full scan, kept as the
// reference, still yields after each pair it accepts.
void agglomerate(Workspace& w, std::int32_t n, const ClusterOptions& options, LinkArrays links,
                 Host& host, LinkageObserver* observer = nullptr);

}  // namespace tw
