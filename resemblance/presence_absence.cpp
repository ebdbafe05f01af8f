#include "resemblance/presence_absence.h"

#include <cmath>

#include "resemblance/measure.h"

namespace tw {

namespace {

float ratio_or_one(float numerator, float denominator) {
    return denominator == 0.0f ? 1.0f : numerator / denominator;
}

float fager(const MatchTable& t) {
    const float at_k = t.a + t.b;
    const float absent_at_k = t.c + t.d;
    if (at_k == 0.0f || absent_at_k == 0.0f) return 1.0f;
    return t.a / std::sqrt(at_k * absent_at_k) - 1.0f / (2.0f * std::sqrt(at_k));
}

}  // namespace

float presence_absence_index(Measure measure, const MatchTable& t) {
    switch (measure) {
        case Measure::Jaccard:
            return ratio_or_one(t.a, t.a + t.b + t.c);
        case Measure::SimpleMatching:
            return ratio_or_one(t.a + t.d, t.a + t.b + t.c + t.d);
        case Measure::Dice:
            if (t.a + t.b + t.c == 0.0f) return 1.0f;
            return 2.0f * t.a / (2.0f * t.a + t.b + t.c);
        default:
            return fager(t);
    }
}

void presence_absence(const MeasureInput& in, Workspace& w, Measure measure) {
    Printer& m = in.messages();
    if (in.observed()) m.clear();
    const MeasureTraits& traits = traits_of(measure);
    w.MeasureName = traits.name;
    if (in.observed()) {
        m.text(traits.heading).end();
        m.text("Distances ...").end();
    }
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            const MatchTable t = CountMatches(in.x, j, k, in.species, in.host);
            w.SimMatrix(j, k) = presence_absence_index(measure, t);
            if (in.observed()) m.text("0/1 ");
            in.host.yield();
        }
        if (in.observed()) m.clear();
    }
    m.line();
    m.line();
    w.DistanceFlag = distance_flag(measure);
}

}  // namespace tw
