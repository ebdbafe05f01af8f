#include "cluster/agglomerate.h"
#include "run/array_index.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "cluster/closest_pair.h"
#include "cluster/member_lists.h"
#include "cluster/pair_search.h"
#include "cluster/update_rules.h"

namespace tw {

namespace {

// The triangles are copied in square tiles: a plain loop walks the lower
// triangle down its columns, a new memory page at every step, and on a few
// thousand objects that is slower than several linkages' worth of work.
constexpr std::int32_t kTile = 64;

// f(i, j) for every pair i < j, tile by tile, with a pause after each row
// of tiles: on 10,000 objects a whole pass takes a good part of a second.
template <class PerPair>
void each_pair_by_tiles(std::int32_t n, Host& host, PerPair f) {
    for (std::int32_t i0 = 1; i0 < n; i0 += kTile) {
        if (i0 > 1) host.yield();
        const std::int32_t i1 = std::min(i0 + kTile - 1, n - 1);
        for (std::int32_t j0 = i0; j0 <= n; j0 += kTile) {
            const std::int32_t j1 = std::min(j0 + kTile - 1, n);
            for (std::int32_t i = i0; i <= i1; ++i)
                for (std::int32_t j = std::max(i + 1, j0); j <= j1; ++j) f(i, j);
        }
    }
}

void square_and_mirror(Matrix<float>& m, std::int32_t n, bool squared, Host& host) {
    each_pair_by_tiles(n, host, [&m, squared](std::int32_t i, std::int32_t j) {
        if (squared) m(i, j) = m(i, j) * m(i, j);
        m(j, i) = m(i, j);
    });
}

void restore_upper(Matrix<float>& m, std::int32_t n, Host& host) {
    each_pair_by_tiles(n, host, [&m](std::int32_t i, std::int32_t j) { m(i, j) = m(j, i); });
}

void reset_work_arrays(Workspace& w, std::int32_t n, std::int32_t sized_for) {
    const std::size_t links = at(std::max(n, sized_for));  // 0..max - 1
    w.LinkI.assign(links, 0);
    w.LinkJ.assign(links, 0);
    w.JoinLevel.assign(links, 0.0f);
    w.Absorbed.assign(at(n) + 1, 0);
    w.ClusterSize.assign(at(n) + 1, 1);
}

// The progress note of the update: a dot before each cluster k is updated,
// the area cleared first when k is a multiple of 30 or above 100, so it
// never fills up. The update makes no pause between its clusters, so nobody
// can see the area between two dots: what it shows after the row is the last
// clear and the dots since, written here in one go.
void progress_dots(Printer& messages, std::span<const std::int32_t> k) {
    std::size_t shown_from = k.size();  // position of the first dot left on show
    while (shown_from > 0 && k[shown_from - 1] % 30 != 0 && k[shown_from - 1] <= 100) --shown_from;
    if (shown_from > 0) {
        --shown_from;  // the cluster that cleared the area prints its own dot
        messages.clear();
    }
    messages.text(std::string(k.size() - shown_from, '.'));
}

// The clusters an update visits, in ascending order, with their entries to
// i and j before it (then a holds the new entries), gathered in one tight
// pass: for k < i the entries lie down a column, one matrix row apart, and
// fetching them all at once lets the memory system overlap the fetches
// instead of waiting for each in turn.
struct UpdateColumns {
    explicit UpdateColumns(std::int32_t n) : k(at(n)), a(at(n)), b(at(n)) {}
    std::vector<std::int32_t> k;
    std::vector<float> a;
    std::vector<float> b;
    std::size_t count = 0;
};

void gather(const Workspace& w, std::int32_t n, std::int32_t i, std::int32_t j, UpdateColumns& c) {
    const Matrix<float>& m = w.SimMatrix;
    std::size_t x = 0;
    for (std::int32_t k = 1; k <= n; ++k) {
        if (w.Absorbed[at(k)] != 0 || k == i) continue;
        c.k[x] = k;
        c.a[x] = m(std::min(i, k), std::max(i, k));
        c.b[x] = m(std::min(j, k), std::max(j, k));
        ++x;
    }
    c.count = x;
}

// Every current k other than i, in ascending order: its progress dot and its
// new entry to the merged cluster; one yield for the whole row. Then `search`, when there is one,
// brings its row bests up to date from the new entries.
void update_resemblances(Workspace& w, std::int32_t n, const UpdateRule& rule, std::int32_t i,
                         std::int32_t j, UpdateColumns& c, RowBestSearch* search, Host& host) {
    Matrix<float>& m = w.SimMatrix;
    gather(w, n, i, j, c);
    progress_dots(host.messages(), std::span(c.k.data(), c.count));
    with_method(rule.method, [&](auto method) {
        for (std::size_t x = 0; x < c.count; ++x)
            c.a[x] = apply_rule<method.value>(rule, c.a[x], c.b[x], w.ClusterSize[at(c.k[x])]);
    });
    for (std::size_t x = 0; x < c.count; ++x) {
        const std::int32_t k = c.k[x];
        m(std::min(i, k), std::max(i, k)) = c.a[x];
    }
    host.yield();
    w.ClusterSize[at(i)] = rule.ni + rule.nj;
    if (search)
        search->merged(i, j, std::span(c.k.data(), c.count), std::span(c.a.data(), c.count), host);
}

}  // namespace

void agglomerate(Workspace& w, std::int32_t n, const ClusterOptions& options, LinkArrays links,
                 Host& host, LinkageObserver* observer) {
    reset_work_arrays(w, n, options.sized_for);
    square_and_mirror(w.SimMatrix, n, options.squared_flag, host);
    MemberListBuilder members(n);
    UpdateColumns columns(n);
    const bool distance = options.distance_flag == Resemblance::Distance;
    std::optional<RowBestSearch> search;
    if (options.search == PairSearch::RowBests && n >= 2) {
        search.emplace(w.SimMatrix, w.Absorbed, n, options.distance_flag);
        search->prepare(host);
    }

    for (std::int32_t link = 1; link < n; ++link) {
        const ClosestPair pair =
            search ? search->closest(host)
                   : find_closest_pair(w.SimMatrix, w.Absorbed, n, options.distance_flag, host);
        w.Absorbed[at(pair.j)] = 1;
        w.LinkI[at(link)] = static_cast<std::int16_t>(pair.i);
        w.LinkJ[at(link)] = static_cast<std::int16_t>(pair.j);
        w.JoinLevel[at(link)] = pair.level;
        if (observer) observer->joined(w, link);

        members.record(links, link, pair.i, pair.j, pair.level);
        const UpdateRule rule =
            make_update_rule(options.method, distance, pair.level, w.ClusterSize[at(pair.i)],
                             w.ClusterSize[at(pair.j)]);
        update_resemblances(w, n, rule, pair.i, pair.j, columns, search ? &*search : nullptr, host);
        if (observer) observer->updated(w, link);
    }
    restore_upper(w.SimMatrix, n, host);
}

}  // namespace tw
