#pragma once
// Linkage records built by hand, as the clustering engine leaves them.

#include <cstdint>
#include <string>
#include <vector>

#include "cluster/dendrogram.h"
#include "cluster/dendrogram_geometry.h"
#include "resemblance/measure.h"
#include "run/run_context.h"
#include "support/resemblance_kind.h"

namespace tw::test {

struct Join {
    std::int16_t i, j;
    float level;
};

// A workspace holding the joins as linkages 1..n-1 (entry 0 unused).
inline Workspace workspace_with(const std::vector<Join>& joins, Resemblance distance_flag) {
    Workspace w;
    w.DistanceFlag = distance_flag;
    w.LinkI.assign(1, 0);
    w.LinkJ.assign(1, 0);
    w.JoinLevel.assign(1, 0.0f);
    for (const Join& join : joins) {
        w.LinkI.push_back(join.i);
        w.LinkJ.push_back(join.j);
        w.JoinLevel.push_back(join.level);
    }
    return w;
}

inline DendrogramSource source_of(const Workspace& w, std::int32_t n, double savelinks = 100,
                                  std::int16_t measure_index = 1) {
    DendrogramSource src = linkage_source(w, n);
    src.MeasureIndex = Measure{measure_index};
    src.savelinks = savelinks;
    return src;
}

}  // namespace tw::test
